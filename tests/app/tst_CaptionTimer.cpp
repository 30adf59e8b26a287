#include "app/CaptionTimer.h"
#include "testsupport/ManualClock.h"
#include "testsupport/ManualTimer.h"
#include <QTest>

class TestCaptionTimer : public QObject {
    Q_OBJECT
private slots:
    void theTitleComesBackTwentySecondsAfterTheFirstOfSeveralMessages()
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

        timer.ShowMessage("later");
        clock.Advance(19999);
        QCOMPARE(caption, "later");
        clock.Advance(1);
        QCOMPARE(caption, "Lektavo 3.19");
    }
};

QTEST_GUILESS_MAIN(TestCaptionTimer)
#include "tst_CaptionTimer.moc"
