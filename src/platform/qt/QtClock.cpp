#include "platform/qt/QtClock.h"
#include <QTime>

QtClock::QtClock()
{
    elapsed.start();
}

qint64 QtClock::MonotonicMs() const
{
    return elapsed.elapsed();
}

double QtClock::TimeOfDay() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
}
