#include "ReadingFixture.h"
#include <QTest>

namespace {

constexpr ColorRef Yellow = MakeColorRef(255, 255, 0);
constexpr ColorRef Black = MemoryTextArea::DefaultFontColor;
const QString ThreeSentences = QStringLiteral("Привет. Hello world. Пока.");

struct Reader : ReadingFixture {
    explicit Reader(const QString &text) : ReadingFixture(text1), text1(text)
    {
        clipboard.Content = "в буфере";
    }
    MemoryTextArea text1;
};

} // namespace

class TestReadingController : public QObject {
    Q_OBJECT

private slots:
    void startingAndStoppingSetTheButtons_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<bool>("fromText");
        QTest::addColumn<bool>("targetIsRe1");
        QTest::addColumn<QString>("focus");
        QTest::newRow("text") << "text" << "Стоп(текст) !Буфер Пауза" << true << true << "Пауза";
        QTest::newRow("selection") << "selection" << "Стоп(текст) !Буфер Пауза" << true << false << "Пауза";
        QTest::newRow("clipboard") << "clipboard" << "!Вслух Стоп(буфер) Пауза" << false << false << "Пауза";
    }

    void startingAndStoppingSetTheButtons()
    {
        QFETCH(QString, start);
        QFETCH(QString, reading);
        QFETCH(bool, fromText);
        QFETCH(bool, targetIsRe1);
        QFETCH(QString, focus);
        Reader r(ThreeSentences);
        QCOMPARE(r.view.Bar(), "Вслух Буфер !Пауза");
        if (start == "selection") {
            r.re1.SetSelStart(8);
            r.re1.SetSelLength(13);
        }
        if (start == "clipboard") {
            r.clipboard.Content = "Буфер. Текст.";
            r.controller.BtStartBufferClick();
        } else {
            r.controller.BtStartSpeakingClick();
        }
        QCOMPARE(r.view.Bar(), reading);
        QVERIFY(r.controller.ReadingActive());
        QCOMPARE(r.controller.ReadingText(), fromText);
        QCOMPARE(r.controller.ReadingTarget(), targetIsRe1 ? &r.re1 : static_cast<TextArea *>(&r.re2));
        QCOMPARE(r.view.Focused, focus);
        QCOMPARE(r.view.BackgroundHighlighted, targetIsRe1);

        r.controller.BtPauseClick();
        QCOMPARE(r.view.Bar(), QString(reading).replace("Пауза", "Продолжить"));
        QCOMPARE(r.view.Focused, "Продолжить");
        r.controller.BtResumeClick();
        QCOMPARE(r.view.Bar(), reading);
        QCOMPARE(r.view.Focused, "Пауза");

        if (fromText)
            r.controller.AcStopSpeakingExecute();
        else
            r.controller.AcStopBufferExecute();
        QCOMPARE(r.view.Bar(), "Вслух Буфер !Пауза");
        QVERIFY(!r.controller.ReadingActive());
        QVERIFY(!r.controller.ReadingText());
        QVERIFY(!r.view.BackgroundHighlighted);
        QCOMPARE(r.view.Focused, fromText ? "Вслух" : "Буфер");
        QCOMPARE(r.Playing(), QString());
    }

    void readsTheWholeTextPieceByPieceOnTheVoiceOfItsLanguage()
    {
        Reader r("Привет. Hello world. 42. Пока. 7.");
        r.re1.SetHideSelection(false);
        r.controller.BtStartSpeakingClick();
        QCOMPARE(r.view.Background, ReadingController::DefaultHighlightBackColor);
        QCOMPARE(r.ReadToTheEnd(),
                 (QStringList{"R:Привет. ", "F:Hello world. ", "F:42. ", "R:Пока. ", "R:7."}));
        QVERIFY(!r.controller.ReadingActive());
        QCOMPARE(r.view.Bar(), "Вслух Буфер !Пауза");
        QCOMPARE(r.re1.SelStart(), 0);
        QCOMPARE(r.re1.SelLength(), 0);
        for (int i = 0; i < r.re1.TextLength(); ++i)
            QCOMPARE(r.text1.ColourAt(i), Black);
        QVERIFY(!r.view.BackgroundHighlighted);
        QVERIFY(!r.text1.HideSelection);
    }

    void aSelectionIsReadFromTheHiddenAreaAndLeavesTheTextUntouched()
    {
        Reader r("Один. Два. Три.");
        r.re1.SetSelStart(6);
        r.re1.SetSelLength(9);
        r.controller.BtStartSpeakingClick();
        QCOMPARE(r.re2.Text(), "Два. Три.");
        QCOMPARE(r.ReadToTheEnd(), (QStringList{"R:Два. ", "R:Три."}));
        QCOMPARE(r.re1.Text(), "Один. Два. Три.");
        QCOMPARE(r.re1.SelStart(), 6);
        QCOMPARE(r.re1.SelLength(), 9);
        for (int i = 0; i < r.re1.TextLength(); ++i)
            QCOMPARE(r.text1.ColourAt(i), Black);
        QVERIFY(!r.view.BackgroundHighlighted);
        QCOMPARE(r.view.Bar(), "Вслух Буфер !Пауза");
        QCOMPARE(r.view.Focused, "Буфер");
    }

    void stopLeavesTheCaretBehindTheSpokenPieceAndTheNextStartGoesOn()
    {
        Reader r(ThreeSentences);
        r.controller.BtStartSpeakingClick();
        r.FinishPiece();
        QCOMPARE(r.Playing(), "F:Hello world. ");
        const int hello = int(ThreeSentences.indexOf("Hello"));
        for (int i = 0; i < r.re1.TextLength(); ++i)
            QCOMPARE(r.text1.ColourAt(i), i >= hello && i < hello + 13 ? Yellow : Black);
        r.controller.AcStopSpeakingExecute();
        QCOMPARE(r.Playing(), QString());
        QCOMPARE(r.re1.SelStart(), int(ThreeSentences.indexOf("Пока")));
        QCOMPARE(r.re1.SelLength(), 0);
        QCOMPARE(r.text1.ColourAt(int(ThreeSentences.indexOf("Hello"))), Black);
        r.controller.BtStartSpeakingClick();
        QCOMPARE(r.ReadToTheEnd(), QStringList{"R:Пока."});
    }

    void theExtraPauseHoldsTheNextPieceForItsSeconds()
    {
        Reader r(ThreeSentences);
        r.ChangeOptions([&](ReadingController::Options &o) { o.ExtraPause = 3; });
        r.controller.BtStartSpeakingClick();
        r.FinishPiece();
        r.clock.Advance(2999);
        QCOMPARE(r.Playing(), QString());
        QVERIFY(r.controller.ExtraPauseRunning());
        r.clock.Advance(1);
        QCOMPARE(r.Playing(), "F:Hello world. ");
        QVERIFY(!r.controller.ExtraPauseRunning());

        r.ChangeOptions([&](ReadingController::Options &o) { o.ExtraPause = 1; });  // applies from the next end of a piece on
        r.FinishPiece();
        r.clock.Advance(999);
        QCOMPARE(r.Playing(), QString());
        r.clock.Advance(1);
        QCOMPARE(r.Playing(), "R:Пока.");
    }

    void aPieceThatEndsWhilePausedIsFollowedOnResume()
    {
        Reader r(ThreeSentences);
        r.controller.BtStartSpeakingClick();
        r.controller.BtPauseClick();
        QCOMPARE(r.foreign.Calls.last(), "AudioPause");
        QCOMPARE(r.russian.Calls.last(), "AudioPause");
        r.FinishPiece();
        QCOMPARE(r.Playing(), QString());
        QVERIFY(r.controller.ReadingActive());
        r.controller.BtResumeClick();
        QVERIFY(r.foreign.Calls.contains("AudioResume"));
        QCOMPARE(r.Playing(), "F:Hello world. ");
        r.FinishPiece();
        QCOMPARE(r.Playing(), "R:Пока.");
    }

    void aPauseDuringTheExtraPauseHoldsTheNextPiece()
    {
        Reader r(ThreeSentences);
        r.ChangeOptions([&](ReadingController::Options &o) { o.ExtraPause = 2; });
        r.controller.BtStartSpeakingClick();
        r.FinishPiece();
        r.controller.BtPauseClick();
        r.clock.Advance(2000);
        QCOMPARE(r.Playing(), QString());
        QVERIFY(r.controller.ReadingPaused());
        QCOMPARE(r.view.Bar(), "Стоп(текст) !Буфер Продолжить");
        QCOMPARE(r.text1.ColourAt(int(ThreeSentences.indexOf("Hello"))), Black);
        r.controller.BtResumeClick();
        QCOMPARE(r.Playing(), "F:Hello world. ");
    }

    void mouseClicksIntoTheText_data()
    {
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("stops");
        QTest::newRow("left click stops") << true << true;
        QTest::newRow("right click does not") << false << false;
    }

    void mouseClicksIntoTheText()
    {
        QFETCH(bool, left);
        QFETCH(bool, stops);
        Reader r(ThreeSentences);
        r.controller.BtStartSpeakingClick();
        r.stepper.DashPending = true;
        r.controller.Re1MouseDown(left);
        QVERIFY(!r.stepper.DashPending);
        r.stepper.DashPending = true;
        r.controller.Re1Enter();
        QVERIFY(!r.stepper.DashPending);
        QCOMPARE(r.controller.ReadingActive(), !stops);
        QCOMPARE(r.Playing().isEmpty(), stops);
    }

    void aLeftClickDuringAClipboardReadingStopsAtTheNextPiece_data()
    {
        QTest::addColumn<bool>("focusLeft");
        QTest::newRow("the text keeps the focus") << false;
        QTest::newRow("the focus left the text") << true;
    }

    void aLeftClickDuringAClipboardReadingStopsAtTheNextPiece()
    {
        QFETCH(bool, focusLeft);
        Reader r(ThreeSentences);
        r.clipboard.Content = "Раз. Два.";
        r.controller.BtStartBufferClick();
        r.controller.Re1MouseDown(true);
        QCOMPARE(r.Playing(), "R:Раз. ");
        if (focusLeft)
            r.controller.Re1Exit();
        r.FinishPiece();
        QCOMPARE(r.Playing(), focusLeft ? "R:Два." : "");
        QCOMPARE(r.controller.ReadingActive(), focusLeft);
    }

    void backquotesAreNeverSpoken()
    {
        Reader r("Это `код`.\r\n\r\n``\r\n\r\n```\r\nДальше `.");
        r.controller.BtStartSpeakingClick();
        const QStringList pieces = r.ReadToTheEnd();
        QVERIFY(!pieces.isEmpty());
        QCOMPARE(pieces.first(), "R:Это код.\r");
        for (const QString &piece : pieces) {
            QVERIFY2(!piece.contains('`'), qPrintable(piece));
            QVERIFY2(!piece.mid(2).trimmed().isEmpty(), "a silent piece would never report its end");
        }
        QVERIFY(pieces.last().contains("Дальше"));
        QVERIFY(!r.controller.ReadingActive());
    }

    void anEmptyClipboardEndsTheReadingAtOnce_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << " \t\r\n";
    }

    void anEmptyClipboardEndsTheReadingAtOnce()
    {
        QFETCH(QString, clipboard);
        Reader r(ThreeSentences);
        r.clipboard.Content = clipboard;
        r.controller.BtStartBufferClick();
        QVERIFY(!r.controller.ReadingActive());
        QCOMPARE(r.Playing(), QString());
        QCOMPARE(r.view.Bar(), "Вслух !Буфер !Пауза");
    }

    void stopWhileIdleOnlySilencesTheVoices()
    {
        Reader r(ThreeSentences);
        r.view.Buttons[ReadingButton::StartSpeaking].enabled = false;
        r.tmSleep.SetEnabled(true);
        const QString bar = r.view.Bar();
        r.controller.AcStopSpeakingExecute();
        QCOMPARE(r.view.Bar(), bar);
        QCOMPARE(r.foreign.Calls, QStringList{"AudioReset"});
        QCOMPARE(r.russian.Calls, QStringList{"AudioReset"});
        QVERIFY(!r.tmSleep.Enabled());
    }

    // The reading ends as after "Стоп", and the title says why.
    void aVoiceThatCannotSpeakEndsTheReading_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("fromClipboard");
        QTest::newRow("the text") << 0 << false;
        QTest::newRow("a selection") << 7 << false;
        QTest::newRow("the clipboard") << 0 << true;
    }

    void aVoiceThatCannotSpeakEndsTheReading()
    {
        QFETCH(int, selected);
        QFETCH(bool, fromClipboard);
        Reader r(ThreeSentences);
        r.re1.SetSelLength(selected);
        r.russian.FailingOperations = {"Speak"};
        fromClipboard ? r.controller.BtStartBufferClick() : r.controller.BtStartSpeakingClick();
        QVERIFY(!r.controller.ReadingActive());
        QCOMPARE(r.view.Bar(), "Вслух Буфер !Пауза");
        QCOMPARE(r.view.Message, ReadingController::VoiceFailedMessage);
        QVERIFY(!r.view.BackgroundHighlighted);
        QCOMPARE(r.text1.ColourAt(0), Black);
    }

    // Typing or pasting leaves the caret behind the text: "Вслух" then reads it from the top.
    void onlyBlanksBehindTheCaretReadFromTheTop_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QStringList>("pieces");
        const QStringList all{"R:Привет. ", "F:Hello world. ", "R:Пока."};
        QTest::newRow("caret at the end") << ThreeSentences << int(ThreeSentences.size()) << all;
        QTest::newRow("blanks behind the caret") << QString("Привет. Пока.\r\n \t") << 14
                                                 << QStringList{"R:Привет. ", "R:Пока.\r"};
        QTest::newRow("a blank text stays unread") << QString(" \r\n ") << 4 << QStringList();
        QTest::newRow("a word behind the caret") << ThreeSentences << 21 << QStringList{"R:Пока."};
    }
    void onlyBlanksBehindTheCaretReadFromTheTop()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QStringList, pieces);
        Reader r(text);
        r.re1.SetSelStart(caret);
        r.controller.BtStartSpeakingClick();
        QCOMPARE(r.ReadToTheEnd(), pieces);
        QVERIFY(!r.controller.ReadingActive());
    }

    // New colours show at once on the piece being read and the text behind it, and only while
    // Re1 itself is read.
    void newHighlightColoursShowDuringATextReading()
    {
        constexpr ColorRef Green = MakeColorRef(0, 200, 0), Blue = MakeColorRef(0, 0, 200);
        Reader r(ThreeSentences);
        r.controller.BtStartSpeakingClick();
        const int caret = r.re1.SelStart();
        r.controller.SetHighlightTextColour(Green);
        r.controller.SetHighlightBackColour(Blue);
        QCOMPARE(r.text1.ColourAt(0), Green);
        QCOMPARE(r.text1.ColourAt(8), Black);
        QCOMPARE(r.view.Background, Blue);
        QCOMPARE(r.re1.SelStart(), caret);
        r.FinishPiece();
        QCOMPARE(r.text1.ColourAt(8), Green);
        r.controller.AcStopSpeakingExecute();

        r.re1.SetSelStart(0);
        r.re1.SetSelLength(7);
        r.controller.BtStartSpeakingClick();  // the selection, read from Re2
        r.controller.SetHighlightBackColour(Black);
        QVERIFY(!r.view.BackgroundHighlighted);
    }

    void theWordPlayedIsMarkedInsideItsPiece_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("length");
        QTest::newRow("first word") << ThreeSentences << "Привет" << 0 << 6;
        QTest::newRow("in the second piece") << ThreeSentences << "world" << 14 << 5;
        QTest::newRow("behind a backquote") << "`Да` и `нет`. Пока." << "нет" << 8 << 3;
        QTest::newRow("a backquote inside") << "Кни`га здесь. Пока." << "Книга" << 0 << 6;
    }

    void theWordPlayedIsMarkedInsideItsPiece()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(int, from);
        QFETCH(int, length);
        Reader r(text);
        r.controller.SetWordMarking(true);
        r.controller.BtStartSpeakingClick();
        if (from > int(text.indexOf(". ")))
            r.FinishPiece();
        const int caret = r.re1.SelStart();
        const QList<int> scrolls = r.text1.Scrolls;
        (r.foreign.Pending.isEmpty() ? r.russian : r.foreign).PlayWord(word);
        QCOMPARE(r.text1.Mark, (MemoryTextArea::Marked{from, length, Yellow}));
        QCOMPARE(r.re1.SelStart(), caret);
        QCOMPARE(r.re1.SelLength(), 0);
        QCOMPARE(r.text1.Scrolls, scrolls);
    }

    // The mark takes the piece's colour, and goes with the piece, the stop and the option.
    void theWordMarkGoesWithItsPiece()
    {
        constexpr ColorRef Green = MakeColorRef(0, 200, 0);
        Reader r(ThreeSentences);
        r.controller.BtStartSpeakingClick();
        r.russian.PlayWord("Привет");
        QCOMPARE(r.text1.Mark.length, 0);  // off by default

        r.controller.SetWordMarking(true);
        r.russian.PlayWord("Привет");
        r.controller.SetHighlightTextColour(Green);
        QCOMPARE(r.text1.Mark, (MemoryTextArea::Marked{0, 6, Green}));
        r.FinishPiece();
        QCOMPARE(r.text1.Mark.length, 0);
        r.foreign.PlayWord("world");
        QCOMPARE(r.text1.Mark.length, 5);
        r.controller.SetWordMarking(false);
        QCOMPARE(r.text1.Mark.length, 0);
        r.controller.SetWordMarking(true);
        r.foreign.PlayWord("world");
        r.controller.AcStopSpeakingExecute();
        QCOMPARE(r.text1.Mark.length, 0);

        r.re1.SetSelStart(0);
        r.re1.SetSelLength(7);
        r.controller.BtStartSpeakingClick();  // the selection, read from Re2
        r.russian.PlayWord("Привет");
        QCOMPARE(r.text1.Mark.length, 0);
    }

    void textChangesEnableTheStartButtons()
    {
        Reader r("");
        r.controller.Re1Change();
        QVERIFY(!r.view.Buttons[ReadingButton::StartSpeaking].enabled);
        QVERIFY(!r.controller.TextAvailable());
        QCOMPARE(r.view.Focused, "Re1");
        r.re1.SetText("Слово");
        r.controller.Re1Change();
        QVERIFY(r.view.Buttons[ReadingButton::StartSpeaking].enabled);
        QVERIFY(r.controller.TextAvailable());

        r.controller.BtStartSpeakingClick();
        r.controller.Re1Change();
        QCOMPARE(r.view.Focused, "Пауза");
    }

};

QTEST_GUILESS_MAIN(TestReadingController)
#include "tst_ReadingController.moc"
