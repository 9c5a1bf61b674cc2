#pragma once

// The time of day the dice re-seed from: seconds since midnight, with its
// fraction, in single precision.
class TimeOfDayClock
{
public:
    virtual ~TimeOfDayClock() = default;
    virtual float secondsSinceMidnight() const = 0;
};
