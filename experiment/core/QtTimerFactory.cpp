#include "QtTimerFactory.h"

#include <QTimer>

namespace {

class QtIntervalTimer final : public IntervalTimer
{
public:
    QtIntervalTimer(std::chrono::milliseconds interval, std::function<void()> onTick)
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(interval);
        QObject::connect(&timer, &QTimer::timeout, &timer, std::move(onTick));
    }

    void setEnabled(bool enabled) override
    {
        // Enabling a running timer must not restart its interval.
        if (enabled && !timer.isActive())
            timer.start();
        else if (!enabled)
            timer.stop();
    }

    bool isEnabled() const override { return timer.isActive(); }

private:
    QTimer timer;
};

} // namespace

std::unique_ptr<IntervalTimer> QtTimerFactory::create(std::chrono::milliseconds interval,
                                                      std::function<void()> onTick)
{
    return std::make_unique<QtIntervalTimer>(interval, std::move(onTick));
}
