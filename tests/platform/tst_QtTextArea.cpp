#include "platform/qt/QtTextArea.h"
#include "testsupport/TestTexts.h"
#include "reading/SentenceStepper.h"
#include "testsupport/SteppingCases.h"
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

ColorRef ColourAt(const QPlainTextEdit &edit, const QtTextArea &area, int position)
{
    const int widgetPosition = area.WidgetPosition(position);
    for (const QTextEdit::ExtraSelection &colouring : edit.extraSelections()) {
        if (colouring.cursor.selectionStart() <= widgetPosition
            && widgetPosition < colouring.cursor.selectionEnd()) {
            const QColor c = colouring.format.foreground().color();
            return MakeColorRef(c.red(), c.green(), c.blue());
        }
    }
    return area.FontColor();
}

bool IsLineFeedOfLineBreak(const QString &text, int position)
{
    return position > 0 && position < text.size() && text[position] == u'\n'
           && text[position - 1] == u'\r';
}

// A window with the text area and a button that holds the focus.
struct ShownArea {
    QWidget window;
    QPlainTextEdit *edit = new QPlainTextEdit;
    QPushButton *button = new QPushButton(QStringLiteral("Вслух"));
    QtTextArea area{edit};

    explicit ShownArea(QPlainTextEdit::LineWrapMode wrap)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(button);
        edit->setLineWrapMode(wrap);
        window.resize(400, 340);
        window.show();
        button->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    int VisibleLines() const
    {
        return edit->viewport()->height() / edit->fontMetrics().lineSpacing();
    }
};

} // namespace

class TestQtTextArea : public QObject {
    Q_OBJECT

private slots:
    void readsPieces_data();
    void readsPieces();
    void positionsRoundTrip_data();
    void positionsRoundTrip();
    void jumpsLandInTheRightParagraph();
    void overLongParagraphReadsBackUnchanged();
    void editsAcrossADisplayBreak();
    void userSelectionReadsInLogicPositions();
    void editForgetsTheRememberedSelection();
    void findCountsLogicPositions();
    void findSeesEdits();
    void findIgnoringCaseComparesAsQtDoes();
    void replacedTextIsOneUndoStep();
    void sameTextReplacesNothing();
    void setTextTakesEveryLineBreak();
    void colouringLeavesTheDocumentUntouched();
    void colouringReplacesEarlierColouring();
    void hiddenSelectionIsNotDrawnWithoutFocus();
    void wrappedLinesMapBothWays();
    void selectingScrollsTheCaretIntoView();
    void scrollsToHighlight_data();
    void scrollsToHighlight();
    void creepStopsAtTheEndOfTheText();
};

void TestQtTextArea::readsPieces_data()
{
    QTest::addColumn<SteppingCase>("steppingCase");
    for (const SteppingCase &c : SteppingCases())
        QTest::newRow(qPrintable(c.name)) << c;
}

void TestQtTextArea::readsPieces()
{
    QFETCH(SteppingCase, steppingCase);
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    const SteppingRun run = ReadThrough(area, steppingCase, [&](int p) {
        return ColourAt(edit, area, p);
    });
    QCOMPARE(run.pieces, steppingCase.pieces);
    QCOMPARE(run.stops, 1);
    QCOMPARE(run.selStartAfter, 0);
    QCOMPARE(run.selLengthAfter, 0);
    QCOMPARE(run.dashPendingAfter, steppingCase.dashPendingAfter);
    QCOMPARE(run.highlightFault, QString());
    QVERIFY(!edit.document()->isModified());
    QCOMPARE(edit.document()->availableUndoSteps(), 0);
}

void TestQtTextArea::positionsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one line") << u"Да"_s;
    QTest::newRow("line break only") << u"\r\n"_s;
    QTest::newRow("empty lines around")
        << u"\r\n\r\nПервая\r\n\r\n\r\nвторая\u00A0строка\tи\u2028ещё\r\n"_s;
    QTest::newRow("lines") << u"ab\r\ncd\r\n\r\nef"_s;
}

void TestQtTextArea::positionsRoundTrip()
{
    QFETCH(QString, text);
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.SetText(text);
    QCOMPARE(area.Text(), text);
    QCOMPARE(area.TextLength(), int(text.size()));
    const int length = int(text.size());
    for (int p = 0; p <= length; ++p) {
        const int widget = area.WidgetPosition(p);
        const int expectedBack = IsLineFeedOfLineBreak(text, p) ? p - 1 : p;
        QCOMPARE(area.LogicPosition(widget), expectedBack);
        for (int n = 0; n <= length - p + 1; ++n) {
            QCOMPARE(area.TextRange(p, n), text.mid(p, n));
            area.SetSelStart(p);
            area.SetSelLength(n);
            QCOMPARE(area.SelStart(), p);
            QCOMPARE(area.SelLength(), std::min(n, length - p));
            QCOMPARE(area.SelText(), text.mid(p, n));
        }
    }
    for (int q = 0; q < edit.document()->characterCount(); ++q)
        QCOMPARE(area.WidgetPosition(area.LogicPosition(q)), q);
}

void TestQtTextArea::jumpsLandInTheRightParagraph()
{
    QRandomGenerator random(7);
    QStringList paragraphs;
    for (int i = 0; i < 3000; ++i)
        paragraphs.append(QString(int(random.bounded(12)), QChar(u'а' + i % 32)));
    const QString text = paragraphs.join(u"\r\n"_s);
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.SetText(text);
    for (int jump = 0; jump < 3000; ++jump) {
        const int p = int(random.bounded(text.size() + 1));
        const int expectedBack = IsLineFeedOfLineBreak(text, p) ? p - 1 : p;
        QCOMPARE(area.LogicPosition(area.WidgetPosition(p)), expectedBack);
        QCOMPARE(area.TextRange(p, 5), text.mid(p, 5));
    }
}

// A paragraph of many thousand characters, which the widget shows in pieces, between two short ones.
QString TextWithOverLongParagraph()
{
    return u"Начало.\r\n"_s + u"Слово за словом, "_s.repeated(1200) + u"конец.\r\nКонец."_s;
}

// The logic positions of the spaces the widget shows as display breaks.
QList<int> DisplayBreaks(const QPlainTextEdit &edit, const QtTextArea &area)
{
    QList<int> breaks;
    for (QTextBlock block = edit.document()->begin().next(); block.isValid(); block = block.next()) {
        if (area.TextRange(area.LogicPosition(block.position()) - 1, 1) == u" "_s)
            breaks.append(area.LogicPosition(block.position()) - 1);
    }
    return breaks;
}

void TestQtTextArea::overLongParagraphReadsBackUnchanged()
{
    const QString text = TextWithOverLongParagraph();
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.SetText(text);
    QCOMPARE(area.Text(), text);
    QCOMPARE(area.TextLength(), int(text.size()));
    QVERIFY(!edit.document()->isModified());
    QVERIFY(!edit.document()->isUndoAvailable());
    const QList<int> breaks = DisplayBreaks(edit, area);
    QCOMPARE(breaks.size(), 4);
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        QVERIFY(block.length() <= 5001);
    for (int p = 0; p <= text.size(); ++p) {
        const int expectedBack = IsLineFeedOfLineBreak(text, p) ? p - 1 : p;
        QCOMPARE(area.LogicPosition(area.WidgetPosition(p)), expectedBack);
        QCOMPARE(area.TextRange(p, 9), text.mid(p, 9));
    }
    for (const int space : breaks) {
        area.SetSelStart(space - 3);
        area.SetSelLength(7);
        QCOMPARE(area.SelText(), text.mid(space - 3, 7));
        const QString across = text.mid(space - 2, 5);
        QCOMPARE(area.FindIgnoringCase(across.toUpper(), space - 4, 9), space - 2);
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(area.WidgetPosition(space + 2));
        cursor.setPosition(area.WidgetPosition(space - 2), QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
        QCOMPARE(area.SelStart(), space - 2);
        QCOMPARE(area.SelText(), text.mid(space - 2, 4));
    }
}

void TestQtTextArea::editsAcrossADisplayBreak()
{
    const QString text = TextWithOverLongParagraph();
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.ReplaceText(text);
    QCOMPARE(area.Text(), text);
    const QList<int> breaks = DisplayBreaks(edit, area);
    QCOMPARE(breaks.size(), 4);
    const int space = breaks[1];

    area.SetSelStart(space - 2);
    area.SetSelLength(4);
    area.ReplaceSelection(u"X\nY"_s);
    QCOMPARE(area.Text(), QString(text).replace(space - 2, 4, u"X\r\nY"_s));
    edit.undo();
    QCOMPARE(area.Text(), text);

    QTextCursor typing(edit.document());
    typing.setPosition(area.WidgetPosition(space + 1));
    typing.insertBlock();
    QCOMPARE(area.Text(), QString(text).insert(space + 1, u"\r\n"_s));
    edit.undo();
    typing.setPosition(area.WidgetPosition(space + 1));
    typing.deletePreviousChar();
    QCOMPARE(area.Text(), QString(text).remove(space, 1));
    edit.undo();
    QCOMPARE(area.Text(), text);

    area.ReplaceText(u"Коротко."_s);
    edit.undo();
    QCOMPARE(area.Text(), text);
    QCOMPARE(DisplayBreaks(edit, area), breaks);
}

void TestQtTextArea::userSelectionReadsInLogicPositions()
{
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.SetText(u"ab\r\ncd\r\nef"_s);
    area.SetSelStart(3);
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(7);
    cursor.setPosition(1, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
    QCOMPARE(area.SelStart(), 1);
    QCOMPARE(area.SelLength(), 8);
    QCOMPARE(area.SelText(), u"b\r\ncd\r\ne"_s);
}

void TestQtTextArea::editForgetsTheRememberedSelection()
{
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.SetText(u"ab\r\ncd\r\nef"_s);
    area.SetSelStart(8);
    QCOMPARE(area.SelText(), QString());
    QTextCursor lineBreak(edit.document());
    lineBreak.setPosition(2);
    lineBreak.setPosition(3, QTextCursor::KeepAnchor);
    lineBreak.insertText(u"x"_s);  // the caret keeps its widget position in front of "e"
    QCOMPARE(area.Text(), u"abxcd\r\nef"_s);
    QCOMPARE(area.SelStart(), 7);
}

void TestQtTextArea::findCountsLogicPositions()
{
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.SetText(u"Да.\r\nНет. Конец."_s);
    QCOMPARE(area.Find(u". "_s, 0, 100), 8);
    QCOMPARE(area.Find(u"\r\n"_s, 0, 100), 3);
    QCOMPARE(area.Find(u"\nН"_s, 4, 2), 4);
    QCOMPARE(area.Find(u"Нет"_s, 5, 3), 5);
    QCOMPARE(area.Find(u"Нет"_s, 5, 2), -1);
    QCOMPARE(area.Find(u"Да"_s, 1, 100), -1);
    QCOMPARE(area.Find(u"."_s, 30, 100), -1);
}

void TestQtTextArea::findSeesEdits()
{
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.SetText(u"Да\r\nнет"_s);
    QCOMPARE(area.Find(u"!"_s, 0, 8), -1);
    QCOMPARE(area.FindIgnoringCase(u"НЕТ"_s, 0, 7), 4);
    QTextCursor(edit.document()).insertText(u"Ну!"_s);
    QCOMPARE(area.Find(u"!"_s, 0, 8), 2);
    QCOMPARE(area.FindIgnoringCase(u"НЕТ"_s, 0, 10), 7);
    QCOMPARE(area.FindIgnoringCase(u"нУ"_s, 0, 10), 0);
}

void TestQtTextArea::findIgnoringCaseComparesAsQtDoes()
{
    const QStringList pieces = {u"а"_s, u"А"_s, u"ё"_s, u"Ё"_s, u"е"_s, u"w"_s, u"W"_s, u"ß"_s,
                                u"ẞ"_s, u"Σ"_s, u"σ"_s, u"ς"_s, u"İ"_s, u"i"_s, u"\U00010400"_s,
                                u"\U00010428"_s, u" "_s, u"\r\n"_s, u"\u00A0"_s, u"\u2028"_s};
    QRandomGenerator random(11);
    const auto randomText = [&](int maxPieces) {
        QString text;
        for (int n = int(random.bounded(maxPieces)); n >= 0; --n)
            text += pieces[random.bounded(pieces.size())];
        return text;
    };
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    for (int round = 0; round < 300; ++round) {
        const QString text = randomText(60);
        area.SetText(text);
        QCOMPARE(area.Text(), text);
        for (int search = 0; search < 20; ++search) {
            const QString needle = randomText(3);
            const int from = int(random.bounded(text.size() + 1));
            const int span = int(random.bounded(text.size() + 2));
            const qsizetype expected = QStringView(text).mid(from, span).indexOf(needle, 0, Qt::CaseInsensitive);
            QCOMPARE(area.FindIgnoringCase(needle, from, span), expected < 0 ? -1 : from + int(expected));
        }
    }
    QCOMPARE(area.FindIgnoringCase(u"а"_s, -1, 10), -1);
    QCOMPARE(area.FindIgnoringCase(u"а"_s, area.TextLength() + 1, 10), -1);
}

void TestQtTextArea::replacedTextIsOneUndoStep()
{
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.SetText(u"Пере-\r\nнос"_s);
    QTextCursor typing(edit.document());
    typing.movePosition(QTextCursor::End);
    typing.insertText(u" и ещё"_s);
    area.SetSelStart(3);
    area.SetSelLength(4);
    area.SetSelectedColor(MakeColorRef(255, 255, 0));
    const QString before = area.Text();

    area.ReplaceText(u"Перенос\nи ещё\rконец"_s);
    QCOMPARE(area.Text(), u"Перенос\r\nи ещё\r\nконец"_s);
    QCOMPARE(area.SelStart(), 0);
    QCOMPARE(area.SelLength(), 0);
    QVERIFY(edit.extraSelections().isEmpty());

    edit.undo();
    QCOMPARE(area.Text(), before);
    edit.undo();
    QCOMPARE(area.Text(), u"Пере-\r\nнос"_s);
    edit.redo();
    edit.redo();
    QCOMPARE(area.Text(), u"Перенос\r\nи ещё\r\nконец"_s);
}

void TestQtTextArea::sameTextReplacesNothing()
{
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.SetText(u"Раз\r\nдва\u00A0три"_s);
    area.SetSelStart(2);
    area.SetSelLength(3);
    area.ReplaceText(u"Раз\nдва\u00A0три"_s);
    QVERIFY(!edit.document()->isUndoAvailable());
    QCOMPARE(area.SelStart(), 2);
    QCOMPARE(area.SelLength(), 3);
    area.ReplaceText(u"Раз\r\nдва три"_s);
    QCOMPARE(area.Text(), u"Раз\r\nдва три"_s);
    QVERIFY(edit.document()->isUndoAvailable());
}

void TestQtTextArea::setTextTakesEveryLineBreak()
{
    QPlainTextEdit edit;
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    QtTextArea area(&edit);
    area.SetText(u"a\rb\nc\r\nd\n\re"_s);
    QCOMPARE(area.Text(), u"a\r\nb\r\nc\r\nd\r\n\r\ne"_s);
    QCOMPARE(edit.document()->blockCount(), 6);
    QCOMPARE(area.LineCount(), 6);
    QCOMPARE(area.LineIndex(2), 6);
    QCOMPARE(area.LineFromChar(7), 2);
}

void TestQtTextArea::colouringLeavesTheDocumentUntouched()
{
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    const QString text = u"Раз. Два.\r\nТри."_s;
    area.SetText(text);
    SentenceStepper stepper;
    for (int step = 0; step < 2; ++step) {
        stepper.NextSentence(area);
        stepper.HighlightSentence(area);
    }
    QCOMPARE(edit.extraSelections().size(), 1);
    QCOMPARE(edit.extraSelections()[0].cursor.selectedText(), u"Два.\u2029"_s.left(4));
    QCOMPARE(ColourAt(edit, area, 5), stepper.HighlightTextColor);
    stepper.ClearHighlight(area);
    QVERIFY(edit.extraSelections().isEmpty());
    QCOMPARE(area.Text(), text);
    QVERIFY(!edit.document()->isModified());
    QVERIFY(!edit.document()->isUndoAvailable());
}

void TestQtTextArea::colouringReplacesEarlierColouring()
{
    QPlainTextEdit edit;
    QtTextArea area(&edit);
    area.SetText(u"0123456789"_s);
    const ColorRef yellow = MakeColorRef(255, 255, 0), red = MakeColorRef(255, 0, 0);
    const auto colour = [&](int from, int length, ColorRef c) {
        area.SetSelStart(from);
        area.SetSelLength(length);
        area.SetSelectedColor(c);
    };
    colour(0, 10, yellow);
    colour(3, 2, area.FontColor());
    colour(6, 2, red);
    const ColorRef font = area.FontColor();
    const QList<ColorRef> expected = {yellow, yellow, yellow, font, font,
                                      yellow, red, red, yellow, yellow};
    for (int p = 0; p < 10; ++p)
        QCOMPARE(ColourAt(edit, area, p), expected[p]);
}

void TestQtTextArea::hiddenSelectionIsNotDrawnWithoutFocus()
{
    ShownArea shown(QPlainTextEdit::WidgetWidth);
    QtTextArea &area = shown.area;
    area.SetText(u"Первая строка текста.\r\nВторая строка."_s);
    QVERIFY(!shown.edit->hasFocus());
    const QImage unselected = shown.edit->viewport()->grab().toImage();
    area.SetSelLength(area.TextLength());
    area.SetHideSelection(true);
    QCOMPARE(shown.edit->viewport()->grab().toImage(), unselected);
    area.SetHideSelection(false);
    QVERIFY(shown.edit->viewport()->grab().toImage() != unselected);
}

void TestQtTextArea::wrappedLinesMapBothWays()
{
    ShownArea shown(QPlainTextEdit::WidgetWidth);
    QtTextArea &area = shown.area;
    const QString paragraph = u"Слово за словом складывается длинная строка без конца. "_s.repeated(4);
    const QString text = paragraph + u"\r\n\r\n"_s + paragraph;
    area.SetText(text);
    QCoreApplication::processEvents();
    QVERIFY2(area.LineCount() > 6, qPrintable(QString::number(area.LineCount())));
    for (int p = 0; p <= area.TextLength(); ++p) {
        const int line = area.LineFromChar(p);
        QVERIFY(area.LineIndex(line) <= p);
        if (line + 1 < area.LineCount())
            QVERIFY2(p < area.LineIndex(line + 1), qPrintable(QString::number(p)));
    }
    for (int line = 0; line < area.LineCount(); ++line)
        QCOMPARE(area.LineFromChar(area.LineIndex(line)), line);
    QCOMPARE(area.LineIndex(area.LineCount()), -1);
}

void TestQtTextArea::selectingScrollsTheCaretIntoView()
{
    ShownArea shown(QPlainTextEdit::NoWrap);
    QtTextArea &area = shown.area;
    area.SetText(NumberedLines(400));
    QCoreApplication::processEvents();
    area.SetSelStart(area.LineIndex(200));
    area.SetSelLength(5);
    const int top = area.FirstVisibleLine();
    QVERIFY2(top <= 200 && 200 < top + shown.VisibleLines(), qPrintable(QString::number(top)));
}

void TestQtTextArea::scrollsToHighlight_data()
{
    QTest::addColumn<ScrollCase>("scrollCase");
    for (const ScrollCase &c : ScrollCases())
        QTest::newRow(qPrintable(c.name)) << c;
}

void TestQtTextArea::scrollsToHighlight()
{
    QFETCH(ScrollCase, scrollCase);
    ShownArea shown(QPlainTextEdit::NoWrap);
    QtTextArea &area = shown.area;
    area.SetText(NumberedLines(400));
    QCoreApplication::processEvents();
    const int visible = shown.VisibleLines();
    const int top = 100;
    const int pieceLine = top + scrollCase.viewsDown * visible + scrollCase.linesDown;
    ScrollToPiece(area, visible, top, pieceLine, scrollCase.pieceLines);
    switch (scrollCase.result) {
    case ScrollCase::ViewUnchanged:
        QCOMPARE(area.FirstVisibleLine(), top);
        break;
    case ScrollCase::PieceOnTop:
        QCOMPARE(area.FirstVisibleLine(), pieceLine);
        break;
    case ScrollCase::LineBeforePieceOnTop:
        QCOMPARE(area.FirstVisibleLine(), pieceLine - 1);
        break;
    }
}

void TestQtTextArea::creepStopsAtTheEndOfTheText()
{
    ShownArea shown(QPlainTextEdit::NoWrap);
    QtTextArea &area = shown.area;
    area.SetText(NumberedLines(40));
    QCoreApplication::processEvents();
    const int bottom = shown.edit->verticalScrollBar()->maximum();
    QVERIFY(bottom > 0);
    ScrollToPiece(area, shown.VisibleLines(), bottom, 39, 1);
    QCOMPARE(area.FirstVisibleLine(), bottom);
}

QTEST_MAIN(TestQtTextArea)
#include "tst_QtTextArea.moc"
