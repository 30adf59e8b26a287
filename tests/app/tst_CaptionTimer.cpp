#include "app/CaptionTimer.h"
#include "testsupport/ManualClock.h"
#include "testsupport/ManualTimer.h"
#include <QTest>

class TestCaptionTimer : public QObject {
    Q_OBJECT
private slots:
    void theTitleComesBackTwentySecondsAfterTheFirstOfTwoMessages()
    {
        ManualClock clock;
        ManualTimer tmCaption(&clock);
        QString caption = "Lektavo 3.19";
        CaptionTimer timer(tmCaption, [&](const QString &text) { caption = text; }, caption);

        timer.ShowMessage("first");
        clock.Advance(5000);
        QCOMPARE(caption, "first");
        timer.ShowMessage("second");
        QCOMPARE(caption, "second");
        clock.Advance(14999);
        QCOMPARE(caption, "second");
        clock.Advance(1);
        QCOMPARE(caption, "Lektavo 3.19");
        QVERIFY(!tmCaption.Enabled());

        clock.Advance(60000);
        QCOMPARE(tmCaption.Ticks, 1);
    }

    void aMessageAfterTheTitleCameBackHasItsOwnTwentySeconds()
    {
        ManualClock clock;
        ManualTimer tmCaption(&clock);
        QString caption = "Lektavo 3.19";
        CaptionTimer timer(tmCaption, [&](const QString &text) { caption = text; }, caption);

        timer.ShowMessage("first");
        clock.Advance(25000);
        timer.ShowMessage("later");
        clock.Advance(19999);
        QCOMPARE(caption, "later");
        clock.Advance(1);
        QCOMPARE(caption, "Lektavo 3.19");
    }
};

QTEST_GUILESS_MAIN(TestCaptionTimer)
#include "tst_CaptionTimer.moc"
