#include "LiteralCleanup.h"
#include "TextFromBytes.h"
#include "testsupport/HyphenatedText.h"
#include "workspace/TextCleanup.h"
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString Book()
{
    QFile file(QStringLiteral(LEKTAVO_BENCH_BOOK));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return QString::fromUtf8(file.readAll());
}

QString RandomText(QRandomGenerator &random)
{
    QByteArray bytes(int(random.bounded(60)), Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return TextFromBytes(bytes);
}

} // namespace

class TestTextCleanup : public QObject {
    Q_OBJECT

private slots:
    void removeHyphenation_data();
    void removeHyphenation();
    void judgeKeepsHyphens_data();
    void judgeKeepsHyphens();
    void splitIntoSentences_data();
    void splitIntoSentences();
    void splitFollowsTheAbbreviations();
    void hyphenatedBookComesBackWhole();
    void bothMatchTheirAlgorithmsOnGeneratedTexts();
    void bothMatchTheirAlgorithmsOnTheBook_data();
    void bothMatchTheirAlgorithmsOnTheBook();
};

void TestTextCleanup::removeHyphenation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("hyphenated word") << u"Быстро-\r\nчтение\r\nважно."_s << u"Быстрочтение\r\nважно.\r\n"_s;
    QTest::newRow("dash after a space") << u"слово -\r\nдальше"_s << u"словодальше\r\n"_s;
    QTest::newRow("last line keeps its dash") << u"начало\r\nконец-"_s << u"начало\r\nконец-\r\n"_s;
    QTest::newRow("chain into one line") << u"пе-\r\nре-\r\nнос\r\nслова"_s << u"перенос\r\nслова\r\n"_s;
    QTest::newRow("next line untouched") << u"  пере-  \r\n  нос  "_s << u"пере  нос  \r\n"_s;
    QTest::newRow("unjoined lines untrimmed") << u"  раз \r\n два  "_s << u"  раз \r\n два  \r\n"_s;
    QTest::newRow("two dashes keep one") << u"а--\r\nб"_s << u"а-б\r\n"_s;
    QTest::newRow("lone dash line") << u"  -\r\nслово"_s << u"слово\r\n"_s;
    QTest::newRow("dash before a blank line") << u"пере-\r\n   \r\nнос"_s << u"пере   \r\nнос\r\n"_s;
    QTest::newRow("lone CR and LF") << u"пере-\rнос\nслова\r"_s << u"перенос\r\nслова\r\n"_s;
    QTest::newRow("LF CR is two breaks") << u"а\n\rб"_s << u"а\r\n\r\nб\r\n"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks only") << u" \t "_s << u" \t \r\n"_s;
    QTest::newRow("line breaks only") << u"\r\n\r\n"_s << u"\r\n\r\n"_s;
}

void TestTextCleanup::removeHyphenation()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(RemoveHyphenation(text), expected);
}

void TestTextCleanup::judgeKeepsHyphens_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("kept") << u"по-  \r\nанглийски"_s << u"по-английски\r\n"_s;
    QTest::newRow("joined") << u"чемо-\r\nдан"_s << u"чемодан\r\n"_s;
    QTest::newRow("chain asks with the joined head") << u"кое-\r\nгде-\r\nто"_s << u"коегде-то\r\n"_s;
    QTest::newRow("dash after a space") << u"по -\r\nанглийски"_s << u"поанглийски\r\n"_s;
    QTest::newRow("next line starts with a blank") << u"по-\r\n английски"_s << u"по английски\r\n"_s;
}

// The judge keeps the hyphen before "английски" and before "то" after "коегде".
void TestTextCleanup::judgeKeepsHyphens()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const HyphenJudge judge = [](QStringView head, QStringView tail) {
        return (head == u"по" && tail == u"английски") || (head == u"коегде" && tail == u"то");
    };
    QCOMPARE(RemoveHyphenation(text, judge), expected);
}

void TestTextCleanup::splitIntoSentences_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three sentences")
        << u"Привет. Как дела? Хорошо!"_s << u"Привет.\r\n\r\nКак дела?\r\n\r\nХорошо!"_s;
    QTest::newRow("titles")
        << u"Mr. Smith met Mrs. Brown. They talked."_s
        << u"Mr. Smith met Mrs. Brown.\r\n\r\nThey talked."_s;
    QTest::newRow("titles are case-sensitive") << u"mr. Smith"_s << u"mr.\r\n\r\nSmith"_s;
    QTest::newRow("title at the end of a line") << u"Mr.\r\nSmith"_s << u"Mr.\r\n\r\nSmith"_s;
    QTest::newRow("closing quotes")
        << u"Он сказал: \"Иди.\" Она ушла. \"Стой!\" \"Куда?\" Нет."_s
        << u"Он сказал: \"Иди.\"\r\n\r\nОна ушла.\r\n\r\n\"Стой!\"\r\n\r\n\"Куда?\"\r\n\r\nНет."_s;
    QTest::newRow("paragraph lines joined")
        << u"первая строка\r\n  вторая\r\nтретья"_s << u"первая строка вторая третья"_s;
    QTest::newRow("two blank lines become one")
        << u"Раз\r\nдва\r\n\r\n\r\nТри"_s << u"Раз два\r\n\r\nТри"_s;
    QTest::newRow("runs of spaces")
        << u"Раз  два     три\tчетыре"_s << u"Раз два три\tчетыре"_s;
    QTest::newRow("second space after a sentence starts the next line")
        << u"Раз.  Два."_s << u"Раз.\r\n\r\n Два."_s;
    QTest::newRow("sentence end before a blank line")
        << u"Раз. \r\n\r\nДва."_s << u"Раз.\r\n\r\n\r\n\r\nДва."_s;
    QTest::newRow("sentence end at a line end") << u"Раз.\r\nДва."_s << u"Раз.\r\n\r\nДва."_s;
    QTest::newRow("lone CR and LF") << u"Раз.\rДва.\nТри"_s << u"Раз.\r\n\r\nДва.\r\n\r\nТри"_s;
    QTest::newRow("no space, no split") << u"Да.Нет!Ну?"_s << u"Да.Нет!Ну?"_s;
    QTest::newRow("blank lines around") << u"\r\n  \r\nРаз\r\n\r\n"_s << u"Раз"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks only") << u"  \r\n\t "_s << u"  \r\n\t "_s;
}

void TestTextCleanup::splitIntoSentences()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(SplitIntoSentences(text), expected);
}

void TestTextCleanup::splitFollowsTheAbbreviations()
{
    const QString text = u"Т. е. кошки и т. д. Потом\r\nсобаки."_s;
    QCOMPARE(SplitIntoSentences(text, true), u"Т. е. кошки и т. д.\r\n\r\nПотом собаки."_s);
    QCOMPARE(SplitIntoSentences(text), u"Т.\r\n\r\nе.\r\n\r\nкошки и т.\r\n\r\nд.\r\n\r\nПотом собаки."_s);
}

void TestTextCleanup::hyphenatedBookComesBackWhole()
{
    const QString book = Book().left(400'000);
    const QString hyphenated = HyphenatedText(book, 60);
    QVERIFY(hyphenated.count(u"-\r\n"_s) > 5000);
    QString whole = book;
    whole.replace(u'\n', u"\r\n"_s);
    if (!whole.endsWith(u"\r\n"_s))
        whole += u"\r\n"_s;
    QCOMPARE(RemoveHyphenation(hyphenated), whole);
    QCOMPARE(RemoveHyphenation(hyphenated), Literal::RemoveHyphenation(hyphenated));
}

void TestTextCleanup::bothMatchTheirAlgorithmsOnGeneratedTexts()
{
    QRandomGenerator random(13);
    for (int i = 0; i < 20000; ++i) {
        const QString text = RandomText(random);
        const auto shown = [&] { return qPrintable(QString::number(i) + u": "_s + text); };
        QVERIFY2(RemoveHyphenation(text) == Literal::RemoveHyphenation(text), shown());
        QVERIFY2(SplitIntoSentences(text) == Literal::SplitIntoSentences(text), shown());
    }
}

void TestTextCleanup::bothMatchTheirAlgorithmsOnTheBook_data()
{
    QTest::addColumn<QString>("text");
    const QString book = Book();
    QTest::newRow("as it is") << book;
    QTest::newRow("one line") << QString(book).replace(u'\n', u' ');
    QTest::newRow("lone CR") << QString(book).replace(u'\n', u'\r');
    QTest::newRow("CR LF") << QString(book).replace(u'\n', u"\r\n"_s);
}

void TestTextCleanup::bothMatchTheirAlgorithmsOnTheBook()
{
    QFETCH(QString, text);
    QCOMPARE(RemoveHyphenation(text), Literal::RemoveHyphenation(text));
    QCOMPARE(SplitIntoSentences(text), Literal::SplitIntoSentences(text));
}

QTEST_GUILESS_MAIN(TestTextCleanup)
#include "tst_TextCleanup.moc"
