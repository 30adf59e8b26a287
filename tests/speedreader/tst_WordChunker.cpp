#include "testsupport/FixedWidthMeasurer.h"
#include "testsupport/MemoryTextArea.h"
#include "speedreader/WordChunker.h"
#include <QTest>

namespace {

// A display wide enough for any group unless a test narrows it.
constexpr int WideDisplay = 10000;

struct Chunking {
    explicit Chunking(const QString &text, int length = 1, int displayWidth = WideDisplay)
        : area(text), chunker(area, measurer), displayWidth(displayWidth)
    {
        rules.Length = length;
    }

    bool Next() { return chunker.NextWordGroup(rules, displayWidth); }

    QStringList Groups()
    {
        QStringList groups;
        while (Next())
            groups << chunker.CurrentGroup();
        return groups;
    }

    QList<int> ExtraTicksPerGroup()
    {
        QList<int> extras;
        while (Next()) {
            extras << chunker.ExtraTicks();
            chunker.DropExtraTicks();
        }
        return extras;
    }

    FixedWidthMeasurer measurer{10};
    MemoryTextArea area;
    WordChunker chunker;
    ChunkRules rules;
    int displayWidth;
};

QString Letters(int count, QChar first = u'а')
{
    QString word;
    for (int i = 0; i < count; ++i)
        word += QChar(first.unicode() + i % 32);
    return word;
}

} // namespace

class TestWordChunker : public QObject {
    Q_OBJECT
private slots:
    void groups_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("displayWidth");
        QTest::addColumn<QStringList>("groups");

        QTest::newRow("length 1: one word a group, whatever the punctuation")
            << "Да, конечно. Ну и что" << 1 << WideDisplay
            << QStringList{"Да,", "конечно.", "Ну", "и", "что"};
        QTest::newRow("length 2 still builds no runs")
            << "а б в" << 2 << WideDisplay << QStringList{"а", "б", "в"};
        QTest::newRow("length 3 joins short words")
            << "а б в" << 3 << WideDisplay << QStringList{"а б", "в"};
        QTest::newRow("length 10: the next word would make 12")
            << "один два три четыре" << 10 << WideDisplay
            << QStringList{"один два", "три четыре"};
        QTest::newRow("length 20 stops at a comma and at a sentence end")
            << "Да, конечно." << 20 << WideDisplay << QStringList{"Да,", "конечно."};
        QTest::newRow("a clause mark inside a run ends it")
            << "раз два, три четыре. пять шесть" << 20 << WideDisplay
            << QStringList{"раз два,", "три четыре.", "пять шесть"};
        QTest::newRow("the display width bounds a run, hyphen included")
            << "один два три" << 20 << 90 << QStringList{"один два", "три"};
        QTest::newRow("blank lines are skipped and a run goes on into the next line")
            << "один\r\n\r\n  \t \r\nдва три\r\nчетыре" << 20 << WideDisplay
            << QStringList{"один два три четыре"};
        QTest::newRow("blank lines skipped one word at a time")
            << "один\r\n\r\n\r\nдва" << 1 << WideDisplay << QStringList{"один", "два"};
        QTest::newRow("tabs separate words, other punctuation stays attached")
            << "один\tдва,три (четыре)" << 1 << WideDisplay
            << QStringList{"один", "два,три", "(четыре)"};
        QTest::newRow("trailing blank lines end the text")
            << "конец\r\n \r\n\r\n" << 1 << WideDisplay << QStringList{"конец"};
        QTest::newRow("text ending without punctuation")
            << "раз два\r\nтри" << 20 << WideDisplay << QStringList{"раз два три"};
        QTest::newRow("empty text") << "" << 1 << WideDisplay << QStringList{};
        QTest::newRow("only blanks") << " \t \r\n  \r\n" << 20 << WideDisplay << QStringList{};
    }
    void groups()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(int, displayWidth);
        QFETCH(QStringList, groups);
        Chunking c(text, length, displayWidth);
        QCOMPARE(c.Groups(), groups);
    }

    void widthCuts_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("displayWidth");
        QTest::addColumn<QStringList>("groups");

        const QString forty = Letters(40);
        QTest::newRow("half") << forty << 210
                              << QStringList{forty.left(20) + "-", forty.mid(20)};
        const QString thirty = Letters(30);
        QTest::newRow("third, and the rest cut again")
            << thirty << 110
            << QStringList{thirty.left(10) + "-", thirty.mid(10, 10) + "-", thirty.mid(20)};
        QString hyphenAt15 = forty;
        hyphenAt15[14] = u'-';
        QTest::newRow("at its own hyphen within the piece, the rest cut again")
            << hyphenAt15 << 210
            << QStringList{hyphenAt15.left(15), hyphenAt15.mid(15, 12) + "-",
                           hyphenAt15.mid(27)};
        QString hyphenAt30 = forty;
        hyphenAt30[29] = u'-';
        QTest::newRow("a hyphen behind the piece is not used")
            << hyphenAt30 << 210
            << QStringList{hyphenAt30.left(20) + "-", hyphenAt30.mid(20)};
        const QString leadingDash = "-" + Letters(39);
        QTest::newRow("a leading dash is no place to cut")
            << leadingDash << 210
            << QStringList{leadingDash.left(20) + "-", leadingDash.mid(20)};
        QTest::newRow("no piece fits: cut down to 3 characters or fewer and shown anyway")
            << "абвгд" << 10 << QStringList{"аб-", "вгд"};
        QTest::newRow("a word that fits with its hyphen is left whole")
            << "абвгд" << 60 << QStringList{"абвгд"};
    }
    void widthCuts()
    {
        QFETCH(QString, word);
        QFETCH(int, displayWidth);
        QFETCH(QStringList, groups);
        Chunking c(word + " да", 20, displayWidth);
        QStringList expected = groups;
        expected << "да";
        QCOMPARE(c.Groups(), expected);
    }

    void cutWordCountsOnceAndDoesNotExtend()
    {
        Chunking c(Letters(40) + " а б", 30, 210);
        QVERIFY(c.Next());
        QVERIFY(c.Next());
        QCOMPARE(c.chunker.CurrentGroup(), Letters(40).mid(20));
        QCOMPARE(c.chunker.WordsRead(), 1);
        QCOMPARE(c.chunker.SymbolsRead(), 40);
        QCOMPARE(c.chunker.GroupSpan(), 0);
        QVERIFY(c.Next());
        QCOMPARE(c.chunker.CurrentGroup(), QString("а б"));
    }

    void extraTicks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("displayWidth");
        QTest::addColumn<QList<int>>("extras");

        // Letters 8, long word 2, sentence end 3, comma 1.
        QTest::newRow("long word that ends a sentence: 1 + 2 + 3 ticks")
            << "обстоятельства." << 1 << WideDisplay << QList<int>{5};
        QTest::newRow("a word of exactly 8 letters is not long")
            << "абвгдежз восемь, пусть!" << 1 << WideDisplay << QList<int>{0, 1, 3};
        QTest::newRow("colon, semicolon and question mark")
            << "так: да; нет?" << 1 << WideDisplay << QList<int>{1, 1, 3};
        QTest::newRow("words added to a run are not tested for length")
            << "да обстоятельства ну" << 30 << WideDisplay << QList<int>{0};
        QTest::newRow("a run takes the mark of the word that ends it")
            << "да обстоятельства. ну" << 30 << WideDisplay << QList<int>{3, 0};
        QTest::newRow("the sentence extra comes with the remainder of a cut word")
            << "абвгдежзийклмн." << 1 << 100 << QList<int>{0, 3};
        QTest::newRow("a long piece of a cut word and a long remainder")
            << "абвгдежзийклмнопрстуфхцчшщъыьэю," << 1 << 170 << QList<int>{2, 3};
    }
    void extraTicks()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(int, displayWidth);
        QFETCH(QList<int>, extras);
        Chunking c(text, length, displayWidth);
        c.rules.Letters = 8;
        c.rules.LongWord = 2;
        c.rules.EndOfSentence = 3;
        c.rules.Comma = 1;
        QCOMPARE(c.ExtraTicksPerGroup(), extras);
    }

    void positionAndSpan()
    {
        Chunking c("  один два  три четырнадцать", 10);
        QVERIFY(c.Next());
        QCOMPARE(c.chunker.CurrentGroup(), QString("один два"));
        QCOMPARE(c.chunker.ReadOffset(), 10);
        QCOMPARE(c.chunker.GroupSpan(), 10);
        QCOMPARE(c.chunker.WordsRead(), 2);
        QCOMPARE(c.chunker.SymbolsRead(), 7);
        // "три четырнадцать" is too long: the second word stays unread.
        QVERIFY(c.Next());
        QCOMPARE(c.chunker.CurrentGroup(), QString("три"));
        QCOMPARE(c.chunker.ReadOffset(), 15);
        QCOMPARE(c.chunker.GroupSpan(), 5);
        QCOMPARE(c.chunker.WordsRead(), 3);
    }

    void lookingAheadIntoAnotherLineLeavesTheWordThere()
    {
        Chunking c("раз\r\n\r\nчетырнадцать слов", 10);
        QVERIFY(c.Next());
        QCOMPARE(c.chunker.CurrentGroup(), QString("раз"));
        QCOMPARE(c.chunker.ReadLine(), 2);
        QCOMPARE(c.chunker.ReadOffset(), 0);
        QVERIFY(c.Next());
        QCOMPARE(c.chunker.CurrentGroup(), QString("четырнадцать"));
    }

    void enteringALineTellsThePerCentRead()
    {
        Chunking c("раз\r\nдва\r\n\r\nтри");
        QList<int> told;
        c.chunker.OnLineEntered = [&](int percent) { told << percent; };
        QCOMPARE(c.Groups(), (QStringList{"раз", "два", "три"}));
        QCOMPARE(told, (QList<int>{25, 75}));
    }

    void wordAhead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("ahead");
        QTest::newRow("before a word") << "раз два" << 0 << 3 << true;
        QTest::newRow("behind the last word") << "раз два" << 0 << 7 << false;
        QTest::newRow("blanks behind the last word") << "раз два \t " << 0 << 8 << false;
        QTest::newRow("a word on a later line") << "раз\r\n\r\n  два" << 0 << 3 << true;
        QTest::newRow("blank lines only") << "раз\r\n \r\n\t" << 0 << 3 << false;
        QTest::newRow("beyond the last line") << "раз" << 4 << 0 << false;
        QTest::newRow("an empty text") << "" << 0 << 0 << false;
    }
    void wordAhead()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(int, offset);
        QFETCH(bool, ahead);
        Chunking c(text);
        c.chunker.MoveTo(line, offset);
        QCOMPARE(c.chunker.WordAhead(), ahead);
        QCOMPARE(c.Next(), ahead);
    }

    // The rest of a cut word is still to come, though the line holds nothing more.
    void theRestOfACutWordIsAhead()
    {
        Chunking c(Letters(40), 1, 200);
        int pieces = 0;
        while (c.chunker.WordAhead()) {
            QVERIFY(c.Next());
            ++pieces;
        }
        QVERIFY(pieces > 1);
        QVERIFY(!c.Next());
    }

    void positionOutsideTheTextIsTheEnd()
    {
        Chunking c("раз два");
        c.chunker.MoveTo(5, 3);
        QVERIFY(!c.Next());
        c.chunker.MoveTo(0, 100);
        QVERIFY(!c.Next());
    }
};

QTEST_APPLESS_MAIN(TestWordChunker)
#include "tst_WordChunker.moc"
