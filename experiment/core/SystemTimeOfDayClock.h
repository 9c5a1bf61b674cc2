#pragma once

#include "TimeOfDayClock.h"

class SystemTimeOfDayClock final : public TimeOfDayClock
{
public:
    float secondsSinceMidnight() const override;
};
