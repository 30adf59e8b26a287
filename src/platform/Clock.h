#pragma once
#include <QtGlobal>

// Time as the logic reads it: a monotonic count for pacing, and the time of day for the clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 MonotonicMs() const = 0;
    virtual double TimeOfDay() const = 0;  // fraction of a day, 0 <= t < 1
};
