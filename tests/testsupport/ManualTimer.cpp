#include "ManualTimer.h"
#include "ManualClock.h"
#include <algorithm>
#include <cmath>

ManualTimer::ManualTimer(ManualClock *clock) : clock(clock)
{
    if (clock)
        clock->timers.push_back(this);
}

ManualTimer::~ManualTimer()
{
    if (clock)
        std::erase(clock->timers, this);
}

void ManualTimer::Restart()
{
    dueAt = (clock ? clock->Now : 0) + std::max(interval, 1);
}

void ManualTimer::SetInterval(int milliseconds)
{
    interval = milliseconds;
    if (enabled)
        Restart();
}

void ManualTimer::SetEnabled(bool enable)
{
    if (enable && !enabled)
        Restart();
    enabled = enable;
}

void ManualTimer::Fire()
{
    if (singleShot)
        enabled = false;
    else
        Restart();
    ++Ticks;
    if (OnTimer)
        OnTimer();
}

double ManualClock::TimeOfDay() const
{
    double t = DayStart + double(Now) / 86400000.0;
    return t - std::floor(t);
}

void ManualClock::Advance(qint64 milliseconds)
{
    const qint64 target = Now + milliseconds;
    for (;;) {
        ManualTimer *next = nullptr;
        for (ManualTimer *t : timers)
            if (t->Enabled() && t->DueAt() <= target && (!next || t->DueAt() < next->DueAt()))
                next = t;
        if (!next)
            break;
        Now = std::max(Now, next->DueAt());
        next->Fire();
    }
    Now = target;
}
