#include "platform/qt/QtTimer.h"
#include <QTest>

namespace {

// Waits until a timer of the same interval, started now, has ticked a few times: by then a timer
// that was still running would have ticked again.
void WaitLongerThanATick(int intervalMs)
{
    QtTimer later;
    later.SetInterval(intervalMs);
    int ticks = 0;
    later.OnTimer = [&] { ++ticks; };
    later.SetEnabled(true);
    QTRY_VERIFY(ticks >= 3);
}

} // namespace

class TestQtTimer : public QObject {
    Q_OBJECT

private slots:
    void aSingleShotTimerIsOffWhenItsTickRuns()
    {
        QtTimer timer;
        timer.SetSingleShot(true);
        timer.SetInterval(1);
        int ticks = 0;
        bool enabledDuringTick = true;
        timer.OnTimer = [&] {
            ++ticks;
            enabledDuringTick = timer.Enabled();
        };
        timer.SetEnabled(true);
        QTRY_COMPARE(ticks, 1);
        QVERIFY(!enabledDuringTick);
        WaitLongerThanATick(1);
        QCOMPARE(ticks, 1);
    }

    void aRepeatingTimerTicksUntilSwitchedOff()
    {
        QtTimer timer;
        timer.SetInterval(1);
        int ticks = 0;
        timer.OnTimer = [&] {
            if (++ticks == 3)
                timer.SetEnabled(false);
        };
        timer.SetEnabled(true);
        QTRY_COMPARE(ticks, 3);
        QVERIFY(!timer.Enabled());
        WaitLongerThanATick(1);
        QCOMPARE(ticks, 3);
    }
};

QTEST_GUILESS_MAIN(TestQtTimer)
#include "tst_QtTimer.moc"
