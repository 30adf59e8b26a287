#pragma once
#include "platform/Clock.h"
#include <vector>

class ManualTimer;

// A clock that moves only when the test says. Advance() fires every timer of this clock that
// falls due on the way, in order of due time, with the clock standing at each due time.
class ManualClock : public Clock {
public:
    qint64 Now = 0;
    double DayStart = 0.5;  // time of day at Now == 0

    qint64 MonotonicMs() const override { return Now; }
    double TimeOfDay() const override;
    void Advance(qint64 milliseconds);

private:
    friend class ManualTimer;
    std::vector<ManualTimer *> timers;
};
