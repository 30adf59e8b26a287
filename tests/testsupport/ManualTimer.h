#pragma once
#include "platform/Timer.h"
#include <QtGlobal>

class ManualClock;

// A timer for tests. Fire() runs one tick now; with a ManualClock, the clock's Advance() fires it
// when it falls due (Interval after it was enabled or last fired).
class ManualTimer : public Timer {
public:
    explicit ManualTimer(ManualClock *clock = nullptr);
    ~ManualTimer() override;
    ManualTimer(const ManualTimer &) = delete;
    ManualTimer &operator=(const ManualTimer &) = delete;

    void SetInterval(int milliseconds) override;
    int Interval() const override { return interval; }
    void SetEnabled(bool enabled) override;
    bool Enabled() const override { return enabled; }
    void SetSingleShot(bool singleShot) override { this->singleShot = singleShot; }
    bool SingleShot() const { return singleShot; }

    void Fire();
    qint64 DueAt() const { return dueAt; }
    int Ticks = 0;

private:
    void Restart();

    ManualClock *clock;
    int interval = 1000;
    bool enabled = false;
    bool singleShot = false;
    qint64 dueAt = 0;
};
