#include "platform/qt/QtTimer.h"
#include <QTest>

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
        QTest::qWait(20);
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
        QTest::qWait(20);
        QCOMPARE(ticks, 3);
    }
};

QTEST_GUILESS_MAIN(TestQtTimer)
#include "tst_QtTimer.moc"
