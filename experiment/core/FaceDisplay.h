#pragma once

#include "Die.h"

// The face pictures of the two dice: picture `face` (1..6) of a die is shown
// or hidden.
class FaceDisplay
{
public:
    virtual ~FaceDisplay() = default;
    virtual void setFaceVisible(Die die, int face, bool visible) = 0;
};
