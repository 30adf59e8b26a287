#include "testsupport/ScriptedEngine.h"
#include "reading/LanguageDispatch.h"
#include <QTest>

class TestLanguageDispatch : public QObject {
    Q_OBJECT

    ScriptedEngine foreign, russian;

    QString VoiceOf(LanguageDispatch &dispatch, const QString &text)
    {
        foreign.Calls.clear();
        russian.Calls.clear();
        dispatch.SpeakText(text);
        if (foreign.Spoken() == QStringList{text} && russian.Spoken().isEmpty())
            return "foreign";
        if (russian.Spoken() == QStringList{text} && foreign.Spoken().isEmpty())
            return "russian";
        return "foreign " + foreign.Spoken().join('|') + " russian " + russian.Spoken().join('|');
    }

private slots:
    void init()
    {
        foreign = ScriptedEngine();
        russian = ScriptedEngine();
    }

    // Either engine's end of speech is the end of the piece; one that played nothing reports none,
    // and engines outliving the dispatch report to nobody.
    void theEndOfEitherVoiceEndsThePiece()
    {
        int ended = 0;
        {
            LanguageDispatch dispatch(foreign, russian);
            dispatch.OnPieceSpoken = [&] { ++ended; };
            dispatch.SpeakText("Hello.");
            foreign.FinishUtterance();
            dispatch.SpeakText("Пока.");
            russian.FinishUtterance();
            russian.FinishUtterance();
        }
        russian.Speak("Ещё.");
        russian.FinishUtterance();
        QCOMPARE(ended, 2);
    }

    void voiceOfEachPiece_data()
    {
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<QStringList>("voices");
        QTest::newRow("mixed pieces go whole to their first letter's voice")
            << QStringList{"Hello, мир.", "Мир, hello."} << QStringList{"foreign", "russian"};
        QTest::newRow("a neutral piece keeps the voice before it")
            << QStringList{"Hello.", "2 + 2 = 4.", "Пока.", "2 + 2 = 4."}
            << QStringList{"foreign", "foreign", "russian", "russian"};
        QTest::newRow("a neutral first piece goes to the Russian voice")
            << QStringList{"2 + 2 = 4."} << QStringList{"russian"};
        QTest::newRow("Ё is neutral, the next letter decides")
            << QStringList{"Ok.", "Ёж"} << QStringList{"foreign", "russian"};
        QTest::newRow("letters beyond the old code page are kept")
            << QStringList{"Україна — ґанок, café"} << QStringList{"russian"};
        QTest::newRow("letters outside both alphabets decide nothing")
            << QStringList{"Пока.", "Ärger", "Ïëéô ü"} << QStringList{"russian", "foreign", "foreign"};
        QTest::newRow("a letter after the hundredth character decides nothing")
            << QStringList{"Да.", QString(100, '-') + "Hello"} << QStringList{"russian", "russian"};
        QTest::newRow("a letter at the hundredth character decides")
            << QStringList{"Да.", QString(99, '-') + "Hello"} << QStringList{"russian", "foreign"};
    }

    void voiceOfEachPiece()
    {
        QFETCH(QStringList, pieces);
        QFETCH(QStringList, voices);
        LanguageDispatch dispatch(foreign, russian);
        QStringList got;
        for (const QString &piece : pieces)
            got << VoiceOf(dispatch, piece);
        QCOMPARE(got, voices);
    }

    void withoutLanguageApartTheRussianVoiceSpeaksAll()
    {
        LanguageDispatch dispatch(foreign, russian);
        dispatch.LangApart = false;
        QCOMPARE(VoiceOf(dispatch, "Hello world."), "russian");
        dispatch.LangApart = true;
        QCOMPARE(VoiceOf(dispatch, "Hello world."), "foreign");
    }

    void bothVoicesAreSilencedBeforeEachPieceEvenWhenOneFails()
    {
        LanguageDispatch dispatch(foreign, russian);
        foreign.FailingOperations = {"AudioReset"};
        dispatch.SpeakText("Привет.");
        QCOMPARE(foreign.Calls, QStringList{"AudioReset"});
        QCOMPARE(russian.Calls, (QStringList{"AudioReset", "Speak Привет."}));
    }

    void aFailingSpeakIsReported()
    {
        LanguageDispatch dispatch(foreign, russian);
        russian.FailingOperations = {"Speak"};
        QVERIFY_THROWS_EXCEPTION(SpeechError, dispatch.SpeakText("Привет."));
    }

    void runsOfAPiece_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("runs");
        const auto row = [](const char *name, const QString &text, const QStringList &runs) {
            QTest::newRow(name) << text << runs;
        };
        row("a quoted English phrase",
            QStringLiteral("Книга с надписью «To be or not to be, that is the question». Конец."),
            {QStringLiteral("R:Книга с надписью «"), "F:To be or not to be, that is the question",
             QStringLiteral("R:». Конец.")});
        row("one word of four letters", QStringLiteral("Открой Word и пиши."),
            {QStringLiteral("R:Открой "), "F:Word", QStringLiteral("R: и пиши.")});
        row("two short words", QStringLiteral("Он сказал: by the way, да."),
            {QStringLiteral("R:Он сказал: "), "F:by the way", QStringLiteral("R:, да.")});
        row("a short word alone stays Russian", QStringLiteral("Нажми OK и жди."),
            {QStringLiteral("R:Нажми OK и жди.")});
        row("an apostrophe keeps one word", QStringLiteral("Он сказал I'm и ушёл."),
            {QStringLiteral("R:Он сказал I'm и ушёл.")});
        row("signs at the start go with the first run", QStringLiteral("«Hello world», сказал он."),
            {QStringLiteral("F:«Hello world"), QStringLiteral("R:», сказал он.")});
        row("a piece without Cyrillic stays whole", "Hello world, 42.", {"F:Hello world, 42."});
    }

    void runsOfAPiece()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, runs);
        LanguageRule rule;
        rule.EnglishRuns = true;
        QStringList got;
        for (const LanguageRun &run : rule.TakeRuns(text))
            got << (run.foreign ? "F:" : "R:") + text.mid(run.start, run.length);
        QCOMPARE(got, runs);
        rule.LangApart = false;
        QCOMPARE(rule.TakeRuns(text), (QList<LanguageRun>{{0, int(text.size()), false}}));
    }

    // Each run starts as the one before ends, its words told where they are in the piece, and the
    // piece ends with the last; a reset leaves the rest unspoken.
    void runsAreSpokenBackToBack()
    {
        LanguageDispatch dispatch(foreign, russian);
        dispatch.EnglishRuns = true;
        int ended = 0;
        QList<int> words;
        dispatch.OnPieceSpoken = [&] { ++ended; };
        dispatch.OnWordSpoken = [&](int position, int) { words << position; };
        dispatch.SpeakText(QStringLiteral("Открой Word и пиши."));
        QCOMPARE(russian.Pending, QStringLiteral("Открой "));
        russian.FinishUtterance();
        QCOMPARE(foreign.Pending, "Word");
        foreign.PlayWord("Word");
        foreign.FinishUtterance();
        russian.PlayWord(QStringLiteral("пиши"));
        QCOMPARE(ended, 0);
        russian.FinishUtterance();
        QCOMPARE(ended, 1);
        QCOMPARE(words, (QList<int>{7, 14}));

        dispatch.SpeakText(QStringLiteral("Открой Word и пиши."));
        dispatch.ResetVoices();
        russian.FinishUtterance();
        QVERIFY(foreign.Pending.isEmpty());
        QCOMPARE(ended, 1);
    }

    // The Russian voice hears the dictionary's words as its module reads them, the foreign voice
    // the text as written; the words it reports are placed in the piece as written.
    void theRussianVoiceHearsTheDictionary()
    {
        const auto dictionary = PronunciationDictionary::Parse(QStringLiteral("пот+ом\nвсё\n"));
        LanguageDispatch dispatch(foreign, russian);
        dispatch.EnglishRuns = true;
        dispatch.Pronunciation = [&dictionary]() -> const PronunciationDictionary & { return dictionary; };
        PronunciationStyle style = StyleOfModule("RHVoice");
        dispatch.RussianStyle = [&style] { return style; };
        QList<std::pair<int, int>> words;
        dispatch.OnWordSpoken = [&](int position, int length) { words.append({position, length}); };
        dispatch.SpeakText(QStringLiteral("Потом всё, потом Windows."));
        QCOMPARE(russian.Pending, QStringLiteral("Пот+ом всё, пот+ом "));
        russian.PlayWord(QStringLiteral("всё"));
        russian.FinishUtterance();
        QCOMPARE(foreign.Pending, "Windows.");
        foreign.PlayWord("Windows");
        QCOMPARE(words, (QList<std::pair<int, int>>{{6, 3}, {17, 7}}));

        style = StyleOfModule("espeak-ng");
        dispatch.SpeakText(QStringLiteral("Потом все."));
        QCOMPARE(russian.Pending, QStringLiteral("Потом всё."));
    }

    void isRussianText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("russian");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks, digits and punctuation") << " \t12, 3.!\r\n" << false;
        QTest::newRow("leading blanks") << "  привет" << true;
        QTest::newRow("Latin first") << "ok, да" << false;
        QTest::newRow("Cyrillic first") << "да, ok" << true;
        QTest::newRow("capital Ё alone") << "Ё" << false;
        QTest::newRow("the hundred characters count after trimming")
            << QString(50, ' ') + QString(99, '1') + "я" << true;
        QTest::newRow("a letter behind the hundredth character") << QString(100, '1') + "я" << false;
    }

    void isRussianText()
    {
        QFETCH(QString, text);
        QFETCH(bool, russian);
        QCOMPARE(LanguageDispatch::IsRussianText(text), russian);
    }
};

QTEST_GUILESS_MAIN(TestLanguageDispatch)
#include "tst_LanguageDispatch.moc"
