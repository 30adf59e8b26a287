#include "testsupport/MemoryTextArea.h"
#include "testsupport/TestTexts.h"
#include "testsupport/SteppingCases.h"
#include "reading/SentenceStepper.h"
#include <QTest>

namespace {

constexpr int TopLine = 100;

} // namespace

class TestSentenceStepper : public QObject {
    Q_OBJECT

private slots:
    void readsPieces_data();
    void readsPieces();
    void abbreviationsEndNoPiece_data();
    void abbreviationsEndNoPiece();
    void selectionIsHiddenWhileReading();
    void stepReadsOnlyItsWindow();
    void emptySelectionIsNotColoured();
    void clearHighlightKeepsTheSelection();
    void scrollsToHighlight_data();
    void scrollsToHighlight();
    void creepStopsWhereTheViewCannotScroll();
    void nothingColouredNothingScrolled();
};

void TestSentenceStepper::readsPieces_data()
{
    QTest::addColumn<SteppingCase>("steppingCase");
    for (const SteppingCase &c : SteppingCases())
        QTest::newRow(qPrintable(c.name)) << c;
}

void TestSentenceStepper::readsPieces()
{
    QFETCH(SteppingCase, steppingCase);
    MemoryTextArea area;
    const SteppingRun run =
        ReadThrough(area, steppingCase, [&area](int p) { return area.ColourAt(p); });
    QCOMPARE(run.pieces, steppingCase.pieces);
    QCOMPARE(run.stops, 1);
    QCOMPARE(run.selStartAfter, 0);
    QCOMPARE(run.selLengthAfter, 0);
    QCOMPARE(run.dashPendingAfter, steppingCase.dashPendingAfter);
    QCOMPARE(run.highlightFault, QString());
}

void TestSentenceStepper::abbreviationsEndNoPiece_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pieces");
    const auto row = [](const char *name, const QString &text, const QStringList &pieces) {
        QTest::newRow(name) << text << pieces;
    };
    const QString year = QStringLiteral("В 1987 г. он уехал, т. е. покинул город, и т. д.");
    row("year, that is, and so on", year, {year});
    row("abbreviation ending a sentence", QStringLiteral("Яблоки, груши и т. д. Потом всё."),
        {QStringLiteral("Яблоки, груши и т. д. "), QStringLiteral("Потом всё.")});
    row("year ending a sentence", QStringLiteral("Это было в 1987 г. Потом нет."),
        {QStringLiteral("Это было в 1987 г. "), QStringLiteral("Потом нет.")});
    const QString others = QStringLiteral("См. рис. 3 на стр. 5, напр. 2 млн. руб. 50 коп. и др. вещи.");
    row("the others of the list", others, {others});
    const QString initials = QStringLiteral("Поэт А. С. Пушкин жил на ул. Мойки в г. Санкт-Петербурге.");
    row("initials, a street, a city", initials, {initials});
    const QString english = QStringLiteral("Mr. Smith met Dr. Brown, e.g. at St. Paul etc. and left.");
    row("english titles", english, {english});
    row("a word in the list's letters ends a sentence", QStringLiteral("Кот спит. Дом стоит."),
        {QStringLiteral("Кот спит. "), QStringLiteral("Дом стоит.")});
    row("a lowercase word after an ordinary full stop", QStringLiteral("Был вечер. и тишина."),
        {QStringLiteral("Был вечер. "), QStringLiteral("и тишина.")});
}

// The same texts are read one piece a sentence with the option on.
void TestSentenceStepper::abbreviationsEndNoPiece()
{
    QFETCH(QString, text);
    QFETCH(QStringList, pieces);
    MemoryTextArea area(text);
    SentenceStepper stepper;
    stepper.KnowAbbreviations = true;
    QStringList read;
    for (stepper.NextSentence(area); area.SelLength() > 0; stepper.NextSentence(area)) {
        read << area.SelText();
        stepper.HighlightSentence(area);
    }
    QCOMPARE(read, pieces);
}

void TestSentenceStepper::selectionIsHiddenWhileReading()
{
    MemoryTextArea area(QStringLiteral("Да. Нет."));
    SentenceStepper stepper;
    stepper.NextSentence(area);
    QVERIFY(area.HideSelection);
}

void TestSentenceStepper::stepReadsOnlyItsWindow()
{
    MemoryTextArea area(QStringLiteral("слово ").repeated(500'000));
    SentenceStepper stepper;
    area.SetSelStart(area.TextLength() / 2 + 1);
    stepper.NextSentence(area);
    stepper.HighlightSentence(area);
    stepper.NextSentence(area);
    QCOMPARE(area.SelLength(), SentenceStepper::MaxPieceLength);
    QCOMPARE(area.WholeTextReads, 0);
    QVERIFY2(area.CharactersRead < 100'000, qPrintable(QString::number(area.CharactersRead)));
}

void TestSentenceStepper::emptySelectionIsNotColoured()
{
    MemoryTextArea area(QStringLiteral("Да. Нет."));
    SentenceStepper stepper;
    area.SetSelStart(2);
    stepper.HighlightSentence(area);
    QCOMPARE(stepper.HighlightLength, 0);
    QCOMPARE(area.ColourAt(2), area.FontColor());
    QCOMPARE(area.SelStart(), 2);
}

void TestSentenceStepper::clearHighlightKeepsTheSelection()
{
    MemoryTextArea area(QStringLiteral("Раз. Два. Три."));
    SentenceStepper stepper;
    stepper.NextSentence(area);
    stepper.HighlightSentence(area);
    QCOMPARE(area.ColourAt(0), stepper.HighlightTextColor);
    area.SetSelStart(7);
    area.SetSelLength(4);
    stepper.ClearHighlight(area);
    QCOMPARE(area.ColourAt(0), area.FontColor());
    QCOMPARE(area.ColourAt(3), area.FontColor());
    QCOMPARE(area.SelStart(), 7);
    QCOMPARE(area.SelLength(), 4);
}

void TestSentenceStepper::scrollsToHighlight_data()
{
    QTest::addColumn<ScrollCase>("scrollCase");
    for (const ScrollCase &c : ScrollCases())
        QTest::newRow(qPrintable(c.name)) << c;
}

void TestSentenceStepper::scrollsToHighlight()
{
    QFETCH(ScrollCase, scrollCase);
    MemoryTextArea area(NumberedLines(400));
    area.VisibleLines = 20;
    const int pieceLine = TopLine + scrollCase.viewsDown * area.VisibleLines + scrollCase.linesDown;
    ScrollToPiece(area, area.VisibleLines, TopLine, pieceLine, scrollCase.pieceLines);
    area.Scrolls.removeFirst();  // the one that set the view up
    switch (scrollCase.result) {
    case ScrollCase::ViewUnchanged:
        QCOMPARE(area.FirstVisibleLine(), TopLine);
        QVERIFY(area.Scrolls.isEmpty());
        break;
    case ScrollCase::PieceOnTop:
        QCOMPARE(area.FirstVisibleLine(), pieceLine);
        QCOMPARE(area.Scrolls, QList<int>(pieceLine - TopLine, 1));
        break;
    case ScrollCase::LineBeforePieceOnTop:
        QCOMPARE(area.FirstVisibleLine(), pieceLine - 1);
        QCOMPARE(area.Scrolls, QList<int>{pieceLine - 1 - TopLine});
        break;
    }
}

void TestSentenceStepper::creepStopsWhereTheViewCannotScroll()
{
    MemoryTextArea area(NumberedLines(30));
    area.VisibleLines = 20;
    ScrollToPiece(area, area.VisibleLines, 10, 28, 2);
    QCOMPARE(area.FirstVisibleLine(), 10);
    QCOMPARE(area.Scrolls.mid(1), QList<int>{1});  // one line tried, and the view stood still
}

void TestSentenceStepper::nothingColouredNothingScrolled()
{
    MemoryTextArea area(NumberedLines(400));
    SentenceStepper stepper;
    stepper.VisibleLineCount = area.VisibleLines;
    area.ScrollLines(50);
    stepper.ScrollToHighlight(area);
    stepper.ClearHighlight(area);
    QCOMPARE(area.FirstVisibleLine(), 50);
    QCOMPARE(area.Scrolls.size(), 1);
    QCOMPARE(area.ColourAt(0), area.FontColor());
}

QTEST_APPLESS_MAIN(TestSentenceStepper)
#include "tst_SentenceStepper.moc"
