#pragma once

#include "IntervalTimer.h"

// Real timers: QTimer with precise timing, so that a 1000-throw automatic run
// keeps its 100 ms rhythm instead of drifting late.
class QtTimerFactory final : public TimerFactory
{
public:
    std::unique_ptr<IntervalTimer> create(std::chrono::milliseconds interval, std::function<void()> onTick) override;
};
