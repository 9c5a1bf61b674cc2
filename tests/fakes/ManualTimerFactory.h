#pragma once

#include "IntervalTimer.h"

#include <QList>

// Timers that tick only when the test says so, and only while enabled, as a
// disabled real timer does not tick.
class ManualTimer final : public IntervalTimer
{
public:
    ManualTimer(std::chrono::milliseconds timerInterval, std::function<void()> tickHandler)
        : interval(timerInterval)
        , onTick(std::move(tickHandler))
    {
    }

    void setEnabled(bool isEnabled) override { enabled = isEnabled; }
    bool isEnabled() const override { return enabled; }

    // Returns whether the tick was delivered.
    bool tick()
    {
        const bool delivered = enabled;
        if (delivered)
            onTick();
        return delivered;
    }

    const std::chrono::milliseconds interval;

private:
    std::function<void()> onTick;
    bool enabled = false;
};

class ManualTimerFactory final : public TimerFactory
{
public:
    std::unique_ptr<IntervalTimer> create(std::chrono::milliseconds interval, std::function<void()> onTick) override
    {
        auto timer = std::make_unique<ManualTimer>(interval, std::move(onTick));
        created.append(timer.get());
        return timer;
    }

    // In the order the window made them: Timer1, Timer2, Timer3.
    QList<ManualTimer *> created;
};
