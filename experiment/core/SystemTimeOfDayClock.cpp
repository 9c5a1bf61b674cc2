#include "SystemTimeOfDayClock.h"

#include <QTime>

float SystemTimeOfDayClock::secondsSinceMidnight() const
{
    return float(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}
