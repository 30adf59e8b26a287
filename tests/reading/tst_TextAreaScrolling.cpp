#include "reading/TextAreaScrolling.h"
#include "testsupport/MemoryTextArea.h"
#include <QTest>

namespace {

// Lines "line 0" ... of varying length, so that line starts are not multiples of a width.
QString NumberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("line %1%2").arg(i).arg(QString(i % 7, u'x'));
    return lines.join(QStringLiteral("\r\n"));
}

// A text area of 300 lines, 20 of them in view, line `top` at the top.
struct View {
    explicit View(int top) : area(NumberedLines(300)), top(top)
    {
        area.ScrollLines(top);
        area.Scrolls.clear();
    }
    // Selects from the start of line first into line first + count - 1, the view unmoved.
    void SelectLines(int first, int count)
    {
        area.SetSelStart(area.LineIndex(first));
        area.SetSelLength(area.LineIndex(first + count - 1) + 3 - area.LineIndex(first));
        area.ScrollLines(top - area.FirstVisibleLine());
        area.Scrolls.clear();
    }

    MemoryTextArea area;
    int top;
};

} // namespace

class TestTextAreaScrolling : public QObject {
    Q_OBJECT
private slots:
    void centringPutsTheSelectedLinesInTheMiddle_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("firstSelected");
        QTest::addColumn<int>("selectedLines");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<int>("topAfter");
        QTest::newRow("one line a little below the middle") << 90 << 100 << 1 << 1 << 91;
        QTest::newRow("one line above the view") << 150 << 40 << 1 << -119 << 31;
        QTest::newRow("three lines at the top of the view") << 60 << 60 << 3 << -8 << 52;
        QTest::newRow("taller than the view") << 50 << 100 << 30 << 55 << 105;
    }
    void centringPutsTheSelectedLinesInTheMiddle()
    {
        QFETCH(int, top);
        QFETCH(int, firstSelected);
        QFETCH(int, selectedLines);
        QFETCH(int, scroll);
        QFETCH(int, topAfter);
        View view(top);
        view.SelectLines(firstSelected, selectedLines);
        QCOMPARE(view.area.FirstVisibleLine(), top);

        CentreCaretLine(view.area, 20);
        QCOMPARE(view.area.Scrolls, QList<int>{scroll});
        QCOMPARE(view.area.FirstVisibleLine(), topAfter);
    }

    void aCharacterScrolledToTheTopBringsItsWholeLine_data()
    {
        QTest::addColumn<int>("topBefore");
        QTest::addColumn<int>("line");
        QTest::newRow("down") << 10 << 120;
        QTest::newRow("up") << 200 << 3;
        QTest::newRow("already there") << 55 << 55;
    }
    void aCharacterScrolledToTheTopBringsItsWholeLine()
    {
        QFETCH(int, topBefore);
        QFETCH(int, line);
        MemoryTextArea area(NumberedLines(300));
        area.ScrollLines(topBefore);
        ScrollCharToTop(area, area.LineIndex(line) + 4);
        QCOMPARE(area.FirstVisibleLine(), line);
        QCOMPARE(FirstVisibleCharIndex(area), area.LineIndex(line));
    }

    void visibleLinesAreWholeLines_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<int>("lines");
        QTest::newRow("exact") << 400 << 20 << 20;
        QTest::newRow("a part line does not count") << 419 << 20 << 20;
        QTest::newRow("line height unknown") << 400 << 0 << 0;
    }
    void visibleLinesAreWholeLines()
    {
        QFETCH(int, height);
        QFETCH(int, lineHeight);
        QFETCH(int, lines);
        QCOMPARE(VisibleLinesIn(height, lineHeight), lines);
    }

    // The text goes away and comes back (as around a rebuild): the same character is at the top
    // and the same characters are selected, even when the selection lay outside the view.
    void aViewTakenComesBackAfterTheTextIsReloaded()
    {
        MemoryTextArea area(NumberedLines(300));
        area.SetSelStart(area.LineIndex(12) + 2);
        area.SetSelLength(9);
        area.ScrollLines(150);
        const TextView view = TakeView(area);
        const QString text = area.Text();

        area.SetText(QString());
        area.SetText(text);
        RestoreView(area, view);
        QCOMPARE(area.SelStart(), area.LineIndex(12) + 2);
        QCOMPARE(area.SelLength(), 9);
        QCOMPARE(area.FirstVisibleLine(), 150);
    }
};

QTEST_GUILESS_MAIN(TestTextAreaScrolling)
#include "tst_TextAreaScrolling.moc"
