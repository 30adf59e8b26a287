#include "platform/qt/QtClock.h"
#include <QTime>

QtClock::QtClock()
{
    elapsed.start();
}

// Rounded to the nearest millisecond: a timer armed for due − now then fires within half a
// millisecond of its due time instead of up to a whole millisecond late.
qint64 QtClock::MonotonicMs() const
{
    return (MonotonicNs() + 500000) / 1000000;
}

qint64 QtClock::MonotonicNs() const
{
    return elapsed.nsecsElapsed();
}

double QtClock::TimeOfDay() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
}
