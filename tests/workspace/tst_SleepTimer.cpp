#include "reading/ReadingFixture.h"
#include "workspace/SleepTimer.h"
#include <QTest>

namespace {

// The reading tab and the timer, the timer told of the reading as the window tells it.
struct Sleeping {
    explicit Sleeping(const QString &text)
    {
        re1.SetText(text);
        reading.controller.OnStateChanged = [this] { sleep.ReadingChanged(); };
        reading.controller.OnPieceStarted = [this](int, const QString &piece) { sleep.PieceStarted(piece); };
    }
    void AdvanceTo(qint64 ms) { reading.clock.Advance(ms - reading.clock.Now); }
    bool Paused() const { return reading.controller.ReadingActive() && reading.controller.ReadingPaused(); }

    MemoryTextArea re1;
    ReadingFixture reading{re1};
    ManualTimer tick{&reading.clock};
    QList<double> volumes;
    int minuteChanges = 0;
    SleepTimer sleep{reading.controller, tick, reading.clock,
                     {[this](double volume) { volumes << volume; }, [this] { ++minuteChanges; }}};
};

} // namespace

class TestSleepTimer : public QObject {
    Q_OBJECT

private slots:
    void theVoiceFadesInTheLastSecondsThenTheReadingPauses()
    {
        Sleeping s(QStringLiteral("Один. Два."));
        s.sleep.Choose(SleepTimer::Minutes30);
        QCOMPARE(s.sleep.MinutesLeft(), std::nullopt);  // nothing read yet
        s.reading.controller.BtStartSpeakingClick();
        QCOMPARE(s.sleep.MinutesLeft(), 30);
        s.AdvanceTo(29 * 60000 + 49000);
        QCOMPARE(s.sleep.MinutesLeft(), 1);
        QVERIFY(s.volumes.isEmpty());
        s.AdvanceTo(29 * 60000 + 55000);
        QVERIFY(!s.volumes.isEmpty() && s.volumes.last() > 0.45 && s.volumes.last() <= 0.5);
        QVERIFY(!s.Paused());
        s.AdvanceTo(30 * 60000);
        QVERIFY(s.Paused());
        QCOMPARE(s.volumes.last(), 1.0);
        QCOMPARE(s.sleep.MinutesLeft(), std::nullopt);
        QCOMPARE(s.reading.Playing().trimmed(), QStringLiteral("R:Один."));  // held where it was

        s.reading.controller.BtResumeClick();  // "Продолжить" counts afresh
        QCOMPARE(s.sleep.MinutesLeft(), 30);
        QVERIFY(s.minuteChanges >= 32);
    }

    void aPauseOfTheUsersOwnGivesTheVoiceItsVolumeBack()
    {
        Sleeping s(QStringLiteral("Один. Два."));
        s.sleep.Choose(SleepTimer::Minutes15);
        s.reading.controller.BtStartSpeakingClick();
        s.AdvanceTo(15 * 60000 - 5000);
        s.reading.controller.BtPauseClick();
        QCOMPARE(s.volumes.last(), 1.0);
        s.AdvanceTo(20 * 60000);
        QCOMPARE(s.sleep.MinutesLeft(), std::nullopt);
        s.sleep.Choose(SleepTimer::Off);
        s.reading.controller.BtResumeClick();
        s.AdvanceTo(90 * 60000);
        QVERIFY(!s.Paused());
    }

    // The heading the reading starts at is not the end of its chapter.
    void untilTheEndOfTheChapter()
    {
        Sleeping s(QStringLiteral("Глава 1\r\nРаз. Два.\r\nГлава 2\r\nТри."));
        s.sleep.Choose(SleepTimer::EndOfChapter);
        s.reading.controller.BtStartSpeakingClick();
        QStringList heard;
        for (int piece = 0; piece < 2; ++piece) {
            heard << s.reading.Playing().trimmed();
            s.reading.FinishPiece();
        }
        QCOMPARE(heard, QStringList({"R:Глава 1\r\nРаз.", "R:Два."}));
        s.tick.Fire();
        QVERIFY(s.Paused());
        s.reading.controller.BtResumeClick();
        QCOMPARE(s.reading.ReadToTheEnd(), QStringList({"R:\nГлава 2\r\nТри."}));
    }
};

QTEST_GUILESS_MAIN(TestSleepTimer)
#include "tst_SleepTimer.moc"
