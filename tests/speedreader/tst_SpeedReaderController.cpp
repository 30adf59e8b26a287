#include "testsupport/FixedWidthMeasurer.h"
#include "testsupport/ManualClock.h"
#include "testsupport/ManualTimer.h"
#include "testsupport/MemoryTextArea.h"
#include "speedreader/SpeedReaderController.h"
#include "speedreader/WordsPerMinute.h"
#include "testsupport/FakeSpeedReaderView.h"
#include <QTest>
#include <cmath>

namespace {

struct Reader {
    explicit Reader(const QString &text = QString()) : area(text) {}

    ManualClock clock;
    ManualTimer timer1{&clock}, counting{&clock}, clockTimer{&clock};
    MemoryTextArea area;
    FixedWidthMeasurer measurer{10};
    FakeSpeedReaderView view{clock};
    SpeedReaderController c{area, measurer, clock, timer1, counting, clockTimer, view};
};

QString Numbered(const QString &word, int count, const QString &separator = " ")
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words << word + QString::number(i);
    return words.join(separator);
}

} // namespace

class TestSpeedReaderController : public QObject {
    Q_OBJECT
private slots:
    void startShowsAGroupAtOnceThenOneEachDelay()
    {
        Reader r("раз два три четыре");
        r.c.BtStartClick();
        QVERIFY(r.view.Running);
        QCOMPARE(r.view.Focused, 1);
        r.clock.Advance(600);
        QCOMPARE(r.view.GroupTexts(), (QStringList{"раз", "два", "три", "четыре"}));
        QCOMPARE(r.view.Times(), (QList<qint64>{0, 200, 400, 600}));
    }

    // The caret left at the end of the text (by typing or pasting) hands the end over: "Старт"
    // then reads from the top rather than stopping at once.
    void startingBehindTheLastWordReadsFromTheTop()
    {
        Reader r("раз два\r\nтри \r\n ");
        r.area.SetSelStart(r.area.TextLength());
        r.c.TakePositionFromTextArea();
        r.c.BtStartClick();
        QVERIFY(r.view.Running);
        r.clock.Advance(400);
        QCOMPARE(r.view.GroupTexts(), (QStringList{"раз", "два", "три"}));
        QCOMPARE(r.c.Chunker().ReadLine(), 1);
    }

    void extraTicksHoldAGroup()
    {
        Reader r("обстоятельства. дальше");
        r.c.SetLongWord(2);
        r.c.SetEndOfSentence(3);
        r.c.BtStartClick();
        r.clock.Advance(1200);
        QCOMPARE(r.view.Times(), (QList<qint64>{0, 1200}));
    }

    void endOfText_data()
    {
        QTest::addColumn<bool>("nonStop");
        QTest::newRow("stops") << false;
        QTest::newRow("reads on from the top") << true;
    }
    void endOfText()
    {
        QFETCH(bool, nonStop);
        Reader r("раз два\r\nтри");
        r.c.SetLength(20);
        r.c.SetNonStop(nonStop);
        r.c.BtStartClick();
        r.area.SetSelStart(4);
        r.area.SetSelLength(3);
        r.clock.Advance(400);
        QCOMPARE(r.area.SelStart(), 0);
        QCOMPARE(r.area.SelLength(), 0);
        QCOMPARE(r.c.Running(), nonStop);
        QCOMPARE(r.view.Running, nonStop);
        if (nonStop) {
            QList<qint64> groupTimes;
            for (const FakeSpeedReaderView::Shown &s : r.view.Groups)
                if (!s.group.isEmpty())
                    groupTimes << s.at;
            QCOMPARE(groupTimes, (QList<qint64>{0, 200, 400}));
            QCOMPARE(r.view.Groups.last().group, QString("раз два три"));
            QCOMPARE(r.c.GroupHistory(), QStringList{"раз два три"});
        } else {
            QCOMPARE(r.view.GroupTexts(), (QStringList{"раз два три", ""}));
            QVERIFY(!r.timer1.Enabled());
            QCOMPARE(r.c.Chunker().ReadLine(), 0);
            QCOMPARE(r.view.Settings.Written, 0);
        }
    }

    void readingOnWithoutAnyWordStaysStopped()
    {
        Reader r(" \r\n\t\r\n");
        r.c.SetNonStop(true);
        r.c.BtStartClick();
        QVERIFY(!r.c.Running());
        QVERIFY(!r.timer1.Enabled());
        const QStringList shown = r.view.GroupTexts();
        QVERIFY(shown.join(QString()).isEmpty());
        r.clock.Advance(1000);
        QCOMPARE(r.view.GroupTexts(), shown);
    }

    void aNewTextDoesNotStartWithTheTailOfTheOld()
    {
        Reader r(QString(40, u'ж'));
        r.view.Width = 210;
        r.c.BtStartClick();
        QCOMPARE(r.view.Groups.last().group, QString(20, u'ж') + "-");
        r.c.AcFullStop();
        r.area.SetText("новый текст");
        r.c.BtStartClick();
        QCOMPARE(r.view.Groups.last().group, QString("новый"));
    }

    void replay_data()
    {
        QTest::addColumn<int>("back");
        QTest::addColumn<QStringList>("afterBlank");
        QStringList replayedThenNew;
        for (int i = 11; i <= 31; ++i)
            replayedThenNew << "слово" + QString::number(i);
        QTest::newRow("the last 20 groups") << 20 << replayedThenNew;
        QTest::newRow("nothing kept") << 0 << QStringList{"слово31"};
    }
    void replay()
    {
        QFETCH(int, back);
        QFETCH(QStringList, afterBlank);
        Reader r(Numbered("слово", 40));
        r.c.SetBack(back);
        r.c.BtStartClick();
        r.clock.Advance(29 * 200);
        QCOMPARE(r.view.Groups.size(), 30);
        const int wordsRead = r.c.Chunker().WordsRead();
        QVERIFY(r.c.FormKeyDown(Qt::Key_Up, Qt::NoModifier));
        r.clock.Advance(200 * (1 + afterBlank.size()));
        const QStringList shown = r.view.GroupTexts().mid(30);
        QCOMPARE(shown.first(), QString());
        QCOMPARE(shown.mid(1), afterBlank);
        QCOMPARE(r.c.Chunker().WordsRead(), wordsRead + 1);
    }

    // Paused with space, resumed with space: whatever was pressed between, reading goes on behind
    // the last group shown.
    void aPauseAndAResumeKeepThePlace_data()
    {
        QTest::addColumn<QList<int>>("keysBetween");
        const int keypadPlus = Qt::Key_Plus | int(Qt::KeypadModifier);
        QTest::newRow("nothing") << QList<int>{};
        QTest::newRow("up") << QList<int>{Qt::Key_Up};
        QTest::newRow("keypad plus") << QList<int>{keypadPlus};
        QTest::newRow("a letter, down, page down") << QList<int>{Qt::Key_A, Qt::Key_Down, Qt::Key_PageDown};
    }

    void aPauseAndAResumeKeepThePlace()
    {
        QFETCH(QList<int>, keysBetween);
        QStringList lines;
        for (int line = 0; line < 10; ++line)
            lines << Numbered(QString("w%1_").arg(line), 4);
        Reader r(lines.join("\r\n"));
        r.c.UdWrittenClick(50);
        r.c.BtStartClick();
        r.clock.Advance(5 * 200);
        QCOMPARE(r.view.GroupTexts().last(), "w6_2");
        const int written = r.c.Settings().Written;

        QVERIFY(r.c.FormKeyDown(Qt::Key_Space, Qt::NoModifier));
        QVERIFY(!r.c.Running());
        for (int key : keysBetween)
            r.c.FormKeyDown(key & ~Qt::KeyboardModifierMask, Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
        r.clock.Advance(2000);
        QVERIFY(r.c.FormKeyDown(Qt::Key_Space, Qt::NoModifier));
        QCOMPARE(r.view.GroupTexts().last(), "w6_3");
        QCOMPARE(r.c.Settings().Written, written);
    }

    void delayStepsByTheKeypad()
    {
        Reader r(Numbered("слово", 10));
        r.c.SetDelay(10000);
        r.c.BtStartClick();
        r.clock.Advance(500);
        QVERIFY(r.c.FormKeyDown(Qt::Key_Plus, Qt::KeypadModifier));
        QCOMPARE(r.view.Settings.Delay, 11000);
        QCOMPARE(r.view.Settings.DelayStep, 1000);
        r.clock.Advance(11000);
        QCOMPARE(r.view.Times(), (QList<qint64>{0, 11500}));
        QVERIFY(r.c.FormKeyDown(Qt::Key_Minus, Qt::KeypadModifier));
        QCOMPARE(r.view.Settings.Delay, 10000);
        QVERIFY(r.c.FormKeyDown(Qt::Key_Minus, Qt::KeypadModifier));
        QCOMPARE(r.view.Settings.Delay, 9500);
        QVERIFY(!r.c.FormKeyDown(Qt::Key_Plus, Qt::NoModifier));
        QCOMPARE(r.view.Settings.Delay, 9500);
    }

    void delayScaleBothWays()
    {
        QList<int> scale;
        for (int v = 50; v <= 200; v += 10)
            scale << v;
        for (int v = 220; v <= 500; v += 20)
            scale << v;
        for (int v = 600; v <= 3000; v += 100)
            scale << v;
        for (int v = 3500; v <= 10000; v += 500)
            scale << v;
        for (int v = 11000; v <= 30000; v += 1000)
            scale << v;

        Reader r;
        r.c.SetDelay(50);
        QList<int> up{r.c.Settings().Delay};
        while (r.c.Settings().Delay < 30000) {
            r.c.UdDelayClick(r.c.Settings().Delay + r.c.Settings().DelayStep);
            up << r.c.Settings().Delay;
        }
        QCOMPARE(up, scale);
        QList<int> down{r.c.Settings().Delay};
        while (r.c.Settings().Delay > 50) {
            r.c.UdDelayClick(r.c.Settings().Delay - r.c.Settings().DelayStep);
            down << r.c.Settings().Delay;
        }
        std::reverse(scale.begin(), scale.end());
        QCOMPARE(down, scale);
    }

    void readingSpeedInTensAndHundreds()
    {
        // "а б" is one group of two words; the other words are too long to join. 250 words of
        // 1234 characters are read in the first minute, the 251st comes after it.
        QStringList words{"а б"};
        for (int i = 0; i < 248; ++i)
            words << (i < 240 ? "ааааа" : "бббб");
        Reader r(words.join(' ') + " " + Numbered("в", 20));
        r.c.SetLength(3);
        r.c.SetDelay(241);
        r.c.BtStartClick();
        r.clock.Advance(60000);
        QCOMPARE(r.c.Chunker().WordsRead(), 250);
        QCOMPARE(r.c.Chunker().SymbolsRead(), 1234);
        QCOMPARE(r.view.Words, QString("250 "));
        QCOMPARE(r.view.Symbols, QString("1200 "));
        QCOMPARE(r.view.RateUpdates, 12);
    }

    void writtenMovesTheReader()
    {
        Reader r(Numbered("строка", 31, "\r\n"));
        r.c.UdWrittenClick(50);
        QCOMPARE(r.c.Chunker().ReadLine(), 15);
        r.c.BtStartClick();
        QCOMPARE(r.view.Groups.last().group, QString("строка16"));
        r.clock.Advance(200);
        QCOMPARE(r.view.Settings.Written, 16 * 100 / 31);
        r.c.PnWrittenDblClick();
        QCOMPARE(r.c.Chunker().ReadLine(), 0);
        QCOMPARE(r.view.Settings.Written, 0);
    }

    void clockAcrossMidnight()
    {
        Reader r;
        r.clock.DayStart = 1.0 - 10.0 / 86400;  // 23:59:50
        r.c.PnClockDblClick();
        r.clock.Advance(9000);
        QCOMPARE(r.view.Clock, QString("0:00:09  "));
        r.clock.Advance(3000);
        QCOMPARE(r.view.Clock, QString("0:00:12  "));
        r.clock.Advance(3600000);
        QCOMPARE(r.view.Clock, QString("1:00:12  "));
        r.c.PnClockDblClick();
        r.clock.Advance(1000);
        QCOMPARE(r.view.Clock, QString("0:00:01  "));
    }

    void spaceWorksOnlyOnTheSpeedReaderTab()
    {
        Reader r("раз два");
        r.view.TabShown = false;
        QVERIFY(!r.c.FormKeyDown(Qt::Key_Space, Qt::NoModifier));
        QVERIFY(!r.c.FormKeyDown(Qt::Key_Up, Qt::NoModifier));
        QVERIFY(!r.c.Running());
        QCOMPARE(r.c.ReplayIndex(), -2);
        r.view.TabShown = true;
        QVERIFY(r.c.FormKeyDown(Qt::Key_Space, Qt::NoModifier));
        QVERIFY(r.c.Running());
        QVERIFY(r.c.FormKeyDown(Qt::Key_Space, Qt::NoModifier));
        QVERIFY(!r.c.Running());
        QCOMPARE(r.view.Groups.last().group, QString("раз"));  // a stop keeps the group
    }

    void pauses_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<bool>("pauses");
        QTest::newRow("a dialog") << 0 << true;
        QTest::newRow("inactive, pause on") << 1 << true;
        QTest::newRow("inactive, pause off") << 2 << false;
        QTest::newRow("another tab") << 3 << true;
    }
    void pauses()
    {
        QFETCH(int, condition);
        QFETCH(bool, pauses);
        Reader r(Numbered("слово", 100));
        r.c.SetAutoStop(condition == 1);
        r.c.BtStartClick();
        r.clock.Advance(5000);
        QCOMPARE(r.view.Words, QString("310 "));
        const int shownBefore = r.view.Groups.size();
        const auto setCondition = [&](bool on) {
            if (condition == 0)
                r.c.SetDialogOpen(on);
            else if (condition == 3)
                r.view.TabShown = !on;
            else
                r.view.Active = !on;
        };
        setCondition(true);
        r.clock.Advance(5000);
        QCOMPARE(r.view.Groups.size() == shownBefore, pauses);
        QCOMPARE(r.c.CountingActive(), !pauses);
        QCOMPARE(r.view.RateUpdates == 1, pauses);
        QVERIFY(r.timer1.Enabled());
        setCondition(false);
        r.clock.Advance(200);
        QCOMPARE(r.view.Groups.size(), shownBefore + (pauses ? 1 : 26));
        QVERIFY(r.c.CountingActive());
        if (pauses)
            QCOMPARE(r.c.Chunker().WordsRead(), 1);
    }

    void theBeatHoldsWhateverTheTicksCost_data()
    {
        QTest::addColumn<qint64>("drawing");
        QTest::addColumn<qint64>("late");
        QTest::addColumn<QList<qint64>>("times");
        QTest::newRow("slow drawing") << qint64(30) << qint64(0) << QList<qint64>{0, 200, 400, 600};
        QTest::newRow("one tick a little late")
            << qint64(0) << qint64(50) << QList<qint64>{0, 250, 400, 600};
        QTest::newRow("one tick late by most of a delay")
            << qint64(0) << qint64(150) << QList<qint64>{0, 350, 400, 600};
        QTest::newRow("the loop held up for several ticks: a fresh beat")
            << qint64(0) << qint64(750) << QList<qint64>{0, 950, 1150, 1350};
    }
    void theBeatHoldsWhateverTheTicksCost()
    {
        QFETCH(qint64, drawing);
        QFETCH(qint64, late);
        QFETCH(QList<qint64>, times);
        Reader r(Numbered("слово", 20));
        r.view.DrawingTime = drawing;
        r.c.BtStartClick();
        r.clock.Now += 200 + late - r.clock.Now;  // the first tick is delivered late
        r.clock.Advance(0);
        r.clock.Advance(times.last() - r.clock.Now);
        QCOMPARE(r.view.Times().first(), qint64(0));
        QCOMPARE(r.view.Times().mid(1), times.mid(1));
    }

    void aNewDelayStartsAFreshBeat()
    {
        Reader r(Numbered("слово", 20));
        r.c.BtStartClick();
        r.clock.Advance(100);
        r.c.FormKeyDown(Qt::Key_Plus, Qt::KeypadModifier);
        r.clock.Advance(440);
        QCOMPARE(r.view.Times(), (QList<qint64>{0, 320, 540}));
    }

    void doubleClickResets()
    {
        Reader r;
        r.c.SetDelay(3000);
        r.c.SetLength(7);
        r.c.SetLetters(12);
        r.c.SetLongWord(3);
        r.c.SetEndOfSentence(4);
        r.c.SetComma(5);
        r.c.SetBack(50);
        for (auto reset : {&SpeedReaderController::PnDelayDblClick,
                           &SpeedReaderController::PnLengthDblClick,
                           &SpeedReaderController::Pn22DblClick, &SpeedReaderController::Pn33DblClick,
                           &SpeedReaderController::Pn44DblClick, &SpeedReaderController::Pn55DblClick,
                           &SpeedReaderController::Pn66DblClick})
            (r.c.*reset)();
        const SpeedReaderSettings defaults;
        const SpeedReaderSettings &now = r.view.Settings;
        QCOMPARE(now.Delay, defaults.Delay);
        QCOMPARE(now.DelayStep, 10);
        QCOMPARE(now.Length, defaults.Length);
        QCOMPARE(now.Letters, defaults.Letters);
        QCOMPARE(now.LongWord, 0);
        QCOMPARE(now.EndOfSentence, 0);
        QCOMPARE(now.Comma, 0);
        QCOMPARE(now.Back, defaults.Back);
    }

    void settingsKeepTheirRanges()
    {
        Reader r;
        r.c.SetDelay(10);
        r.c.SetLength(500);
        r.c.SetBack(-3);
        r.c.SetLetters(1);
        r.c.SetLongWord(9);
        r.c.UdWrittenClick(150);
        QCOMPARE(r.c.Settings().Delay, 50);
        QCOMPARE(r.c.Settings().Length, 100);
        QCOMPARE(r.c.Settings().Back, 0);
        QCOMPARE(r.c.Settings().Letters, 5);
        QCOMPARE(r.c.Settings().LongWord, 5);
        QCOMPARE(r.c.Settings().Written, 99);
    }

    void historySizeAndOptions()
    {
        Reader r(Numbered("слово", 20));
        r.c.BtStartClick();
        r.clock.Advance(9 * 200);
        r.c.SetBack(3);
        QCOMPARE(r.c.GroupHistory(), (QStringList{"слово8", "слово9", "слово10"}));
        r.c.SetNonStop(true);
        r.c.SetAutoStop(true);
        r.c.Indicators1Click();
        QVERIFY(!r.view.IndicatorsShown);
        QVERIFY(r.view.Settings.NonStop && r.view.Settings.AutoStop && !r.view.Settings.IndicatorsShown);
    }

    void wordsPerMinuteAndDelayKeepInStep()
    {
        Reader r;
        for (int wpm = WordsPerMinute::Min; wpm <= WordsPerMinute::Max; wpm += WordsPerMinute::Step) {
            r.c.UdWordsPerMinuteClick(wpm);
            QCOMPARE(r.c.Settings().Delay, int(std::lround(60000.0 / wpm)));
            QCOMPARE(WordsPerMinute::ForDelay(r.c.Settings().Delay, wpm), wpm);
        }
        QCOMPARE(r.c.Settings().Delay, 50);
        for (const auto &[delay, wpm] :
             std::initializer_list<std::pair<int, int>>{{200, 300}, {220, 270}, {1200, 50}, {3000, 50}, {50, 1200}})
            QCOMPARE(WordsPerMinute::ForDelay(delay, 0), wpm);
    }

    void aSmoothStartRampsTheFirstFiveGroups()
    {
        Reader r(Numbered("слово", 10));
        r.c.SetSmoothStart(true);
        r.c.BtStartClick();
        r.clock.Advance(1800);
        QCOMPARE(r.view.Times(), (QList<qint64>{0, 400, 760, 1080, 1360, 1600, 1800}));
    }

    void theSentenceAroundTheLastGroupWhileStopped()
    {
        Reader r("Раз два. Три четыре, пять! Шесть.\r\n" + Numbered("w", 50));
        r.c.SetContextWhenStopped(true);
        r.c.BtStartClick();
        r.clock.Advance(3 * 200);
        QVERIFY(r.view.Context.IsEmpty());
        r.c.FormKeyDown(Qt::Key_Space, Qt::NoModifier);
        QStringList words, marked;
        for (const ReadingContext::Word &w : r.view.Context.words)
            (w.inGroup ? marked : words) << w.text;
        QCOMPARE(words, (QStringList{"Три", "пять!"}));
        QCOMPARE(marked, QStringList{"четыре,"});

        r.c.ContextWordClicked(0);
        QCOMPARE(r.view.Groups.last().group, QString("Три"));
        r.c.BtStartClick();
        QCOMPARE(r.view.Groups.last().group, QString("четыре,"));

        r.c.AcStopReading();
        r.c.ReadFrom(r.area.LineIndex(1) + r.area.LineText(1).indexOf("w25 "));
        r.c.StepForward();
        QCOMPARE(r.view.Context.words.size(), 41);
        QCOMPARE(r.view.Context.words.first().text, QString("w5"));
        QCOMPARE(r.view.Context.words.last().text, QString("w45"));
    }

    void arrowsStepWhileStopped()
    {
        Reader r("раз два три");
        QVERIFY(!r.c.FormKeyDown(Qt::Key_Left, Qt::NoModifier));
        r.c.SetContextWhenStopped(true);
        r.c.BtStartClick();
        QVERIFY(r.c.FormKeyDown(Qt::Key_Right, Qt::NoModifier));
        QCOMPARE(r.view.GroupTexts(), QStringList{"раз"});
        r.c.AcStopReading();
        QStringList shown;
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}) {
            r.c.FormKeyDown(key, Qt::NoModifier);
            shown << r.view.Groups.last().group;
        }
        QCOMPARE(shown, (QStringList{"раз", "два", "три", "три", "два", "раз", "раз"}));
        QVERIFY(!r.c.Running());
        QCOMPARE(r.view.GroupTexts(), (QStringList{"раз", "два", "три", "два", "раз"}));
        r.c.BtStartClick();
        QCOMPARE(r.view.Groups.last().group, QString("два"));
    }

    void handOverWithTheTextArea()
    {
        Reader r("раз два\r\nтри четыре");
        r.area.SetSelStart(13);  // before "четыре"
        r.c.TakePositionFromTextArea();
        QCOMPARE(r.view.Settings.Written, 50);
        r.c.BtStartClick();
        QCOMPARE(r.view.Groups.last().group, QString("четыре"));
        r.c.AcStopReading();
        r.c.GivePositionToTextArea();
        QCOMPARE(r.area.SelText(), QString("четыре"));

        r.area.SetSelStart(4);  // "два" to "три", over the line break
        r.area.SetSelLength(8);
        r.c.TakePositionFromTextArea();
        r.c.BtStartClick();
        QCOMPARE(r.view.Groups.last().group, QString("два"));
    }
};

QTEST_APPLESS_MAIN(TestSpeedReaderController)
#include "tst_SpeedReaderController.moc"
