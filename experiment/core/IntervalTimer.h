#pragma once

#include <chrono>
#include <functional>
#include <memory>

// An interval timer that ticks on the user-interface thread while enabled.
class IntervalTimer
{
public:
    virtual ~IntervalTimer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

// Makes the window's timers; tests hand in timers they tick themselves.
class TimerFactory
{
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<IntervalTimer> create(std::chrono::milliseconds interval, std::function<void()> onTick) = 0;
};
