#pragma once

#include "TimeOfDayClock.h"

// A clock that reads whatever the test last set.
class ScriptedClock final : public TimeOfDayClock
{
public:
    float secondsSinceMidnight() const override { return now; }

    float now = 36000.25f;
};
