#pragma once
#include <functional>

// An event-loop timer. Enabling a timer that is already enabled does not restart its count;
// changing the interval of an enabled timer does. A single-shot timer disables itself before
// OnTimer runs.
class Timer {
public:
    virtual ~Timer() = default;

    virtual void SetInterval(int milliseconds) = 0;
    virtual int Interval() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetSingleShot(bool singleShot) = 0;

    std::function<void()> OnTimer;
};
