#include "speedreader/FocusPoint.h"
#include "testsupport/FixedWidthMeasurer.h"
#include <QTest>

class TestFocusPoint : public QObject {
    Q_OBJECT
private slots:
    void focusLetter_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("focus");
        const QList<std::pair<int, int>> lengths{{1, 0}, {2, 1}, {5, 1}, {6, 2}, {9, 2},
                                                 {10, 3}, {13, 3}, {14, 4}, {30, 4}};
        for (const auto &[letters, focus] : lengths) {
            QTest::addRow("%d Cyrillic letters", letters) << QString(letters, u'ж') << focus;
            QTest::addRow("%d Latin letters", letters) << QString(letters, u'w') << focus;
        }
        QTest::newRow("behind quotes") << "«слово»" << 2;
        QTest::newRow("behind a dash") << "—Привет," << 3;
        QTest::newRow("behind a bracket and a quote") << "(\"reading\")" << 4;
        QTest::newRow("marks behind do not count") << "слово..." << 1;
        QTest::newRow("marks only") << "—" << 0;
        QTest::newRow("a group: its longest word") << "я вижу обстоятельства" << 11;
        QTest::newRow("a group: the first of the longest") << "a word here" << 3;
    }
    void focusLetter()
    {
        QFETCH(QString, group);
        QFETCH(int, focus);
        QCOMPARE(GroupFocusLetter(group), focus);
    }

    void theFocusLetterStaysAtThePoint()
    {
        const FixedWidthMeasurer measurer(10);
        const int width = 600;
        for (const QString group : {"я", "читаю", "«обстоятельства»,", "a longer word", "—Да,"}) {
            const FocusLayout layout = LayOutAroundFocus(group, measurer, width);
            QVERIFY2(!layout.shifted, qPrintable(group));
            QCOMPARE(layout.LetterCentre(), FocusPointX(width) + 0.0);
            QCOMPARE(layout.letterLeft - layout.left, layout.focus * 10);
        }
    }

    void aGroupThatWouldNotFitIsShiftedNoMoreThanItMust_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("left");
        QTest::newRow("past the right edge") << "обстоятельства" << 150 << 10;
        QTest::newRow("past the left edge") << "я да нет слово" << 150 << 0;
        QTest::newRow("wider than the display") << "обстоятельства" << 100 << 0;
    }
    void aGroupThatWouldNotFitIsShiftedNoMoreThanItMust()
    {
        QFETCH(QString, group);
        QFETCH(int, width);
        QFETCH(int, left);
        const FocusLayout layout = LayOutAroundFocus(group, FixedWidthMeasurer(10), width);
        QVERIFY(layout.shifted);
        QCOMPARE(layout.left, left);
    }
};

QTEST_APPLESS_MAIN(TestFocusPoint)
#include "tst_FocusPoint.moc"
