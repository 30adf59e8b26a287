#pragma once
#include "platform/Clock.h"
#include <QElapsedTimer>

// The monotonic clock of the system for pacing, and the local time of day for the clock display.
class QtClock : public Clock {
public:
    QtClock();
    qint64 MonotonicMs() const override;
    double TimeOfDay() const override;
    qint64 MonotonicNs() const;  // the same clock in nanoseconds

private:
    QElapsedTimer elapsed;
};
