#include "platform/KeyboardLayout.h"
#include "testsupport/TestTexts.h"
#include "testsupport/MemoryTextArea.h"
#include "testsupport/RecordingFindView.h"
#include "workspace/TextFinder.h"
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString InitialCaption = RecordingFindView::InitialCaption;
const QString FoundOnce = QString::fromUtf8(TextFinder::FoundOnceMessage);
const QString NotFound = QString::fromUtf8(TextFinder::NotFoundMessage);

class RecordingKeyboard : public KeyboardLayout {
public:
    void Activate(const QString &identifier) override { activated.append(identifier); }
    QStringList activated;
};

struct Selection {
    int start;
    int length;
    bool operator==(const Selection &) const = default;
};

char *toString(const Selection &selection)
{
    return QTest::toString(u"%1 + %2"_s.arg(selection.start).arg(selection.length));
}

struct FindBar {
    MemoryTextArea area;
    RecordingFindView view;
    RecordingKeyboard keyboard;
    TextFinder finder{area, view, keyboard};

    explicit FindBar(const QString &text) : area(text) {}

    Selection Press(const QString &searched)
    {
        view.searchText = searched;
        finder.BtFindClick();
        return {area.SelStart(), area.SelLength()};
    }
};

} // namespace

Q_DECLARE_METATYPE(Selection)

class TestTextFinder : public QObject {
    Q_OBJECT

private slots:
    void pressesGoRoundTheText();
    void aSingleOccurrenceIsReported();
    void anOccurrenceSelectedAtTheStartIsFoundOnce();
    void missingTextSendsTheCaretToTheTop();
    void matches_data();
    void matches();
    void emptyFieldDoesNothing();
    void enterInTheFieldSearches();
    void fieldEnablesTheButton();
    void anOccurrenceBelowTheViewIsCentred_data();
    void anOccurrenceBelowTheViewIsCentred();
    void russianCaptionSwitchesToTheRussianLayout();
};

void TestTextFinder::pressesGoRoundTheText()
{
    FindBar bar(u"Мир, мир"_s);
    QCOMPARE(bar.Press(u"мир"_s), Selection({0, 3}));
    QCOMPARE(bar.Press(u"мир"_s), Selection({5, 3}));
    QCOMPARE(bar.Press(u"мир"_s), Selection({0, 3}));
    QCOMPARE(bar.view.messages, QStringList());
}

void TestTextFinder::aSingleOccurrenceIsReported()
{
    FindBar bar(u"Раз, два.\r\nТри — и всё."_s);
    QCOMPARE(bar.Press(u"три"_s), Selection({11, 3}));
    QCOMPARE(bar.view.caption, InitialCaption);
    QCOMPARE(bar.Press(u"три"_s), Selection({11, 3}));
    QCOMPARE(bar.view.messages, QStringList{FoundOnce});
    QCOMPARE(bar.Press(u"два"_s), Selection({5, 3}));
    QCOMPARE(bar.view.caption, InitialCaption);
}

void TestTextFinder::anOccurrenceSelectedAtTheStartIsFoundOnce()
{
    FindBar bar(u"Мир и покой"_s);
    QCOMPARE(bar.Press(u"мир"_s), Selection({0, 3}));
    QCOMPARE(bar.Press(u"мир"_s), Selection({0, 3}));
    QCOMPARE(bar.view.messages, QStringList{FoundOnce});
}

void TestTextFinder::missingTextSendsTheCaretToTheTop()
{
    FindBar bar(u"Раз, два, три"_s);
    bar.area.SetSelStart(5);
    bar.area.SetSelLength(3);
    QCOMPARE(bar.Press(u"четыре"_s), Selection({0, 0}));
    QCOMPARE(bar.view.messages, QStringList{NotFound});
    QCOMPARE(bar.Press(u"раз"_s), Selection({0, 3}));
    QCOMPARE(bar.view.caption, InitialCaption);
    QCOMPARE(bar.view.messages, QStringList{NotFound});
}

void TestTextFinder::matches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<int>("position");
    QTest::newRow("inside a word") << u"Это переход."_s << u"ход"_s << 8;
    QTest::newRow("Cyrillic capitals") << u"съешь ЖЕ ЭТИХ"_s << u"же этих"_s << 6;
    QTest::newRow("Ё for ё") << u"Под ЁЛКОЙ"_s << u"ёлкой"_s << 4;
    QTest::newRow("ё is not е") << u"Под елкой"_s << u"ёлкой"_s << -1;
    QTest::newRow("Latin") << u"Hello, World"_s << u"wORLD"_s << 7;
    QTest::newRow("blanks") << u"а б   в"_s << u"   "_s << 3;
    QTest::newRow("blanks missing") << u"а б в"_s << u"  "_s << -1;
    QTest::newRow("across a line break") << u"конец\r\nначало"_s << u"ц\r\nН"_s << 4;
    QTest::newRow("outside Windows-1251") << u"Знак 漢字 и 😀!"_s << u"😀"_s << 10;
    QTest::newRow("lone surrogate") << u"Знак 😀"_s << QString(QChar(0xD83D)) << 5;
    QTest::newRow("100 characters")
        << u"я"_s.repeated(5000) + u"Ю"_s.repeated(99) + u"Я"_s << u"ю"_s.repeated(99) + u"я"_s << 5000;
}

void TestTextFinder::matches()
{
    QFETCH(QString, text);
    QFETCH(QString, searched);
    QFETCH(int, position);
    FindBar bar(text);
    const Selection expected = position < 0 ? Selection{0, 0} : Selection{position, int(searched.size())};
    QCOMPARE(bar.Press(searched), expected);
    QCOMPARE(bar.view.messages, position < 0 ? QStringList{NotFound} : QStringList());
}

void TestTextFinder::emptyFieldDoesNothing()
{
    FindBar bar(u"Раз, два"_s);
    bar.area.SetSelStart(2);
    bar.area.SetSelLength(2);
    bar.view.caption = NotFound;
    QCOMPARE(bar.Press(QString()), Selection({2, 2}));
    QCOMPARE(bar.view.caption, NotFound);
    QVERIFY(bar.keyboard.activated.isEmpty());
}

void TestTextFinder::enterInTheFieldSearches()
{
    FindBar bar(u"Раз, два"_s);
    bar.view.searchText = u"два"_s;
    QVERIFY(!bar.finder.Edit1KeyPress(u'д'));
    QVERIFY(!bar.finder.Edit1KeyPress(u'\n'));
    QCOMPARE(bar.area.SelLength(), 0);
    QVERIFY(bar.finder.Edit1KeyPress(u'\r'));
    QCOMPARE(Selection({bar.area.SelStart(), bar.area.SelLength()}), Selection({5, 3}));
}

void TestTextFinder::fieldEnablesTheButton()
{
    FindBar bar{QString()};
    for (const QString &text : {u"а"_s, QString(), u" "_s}) {
        bar.view.searchText = text;
        bar.finder.Edit1Change();
        QCOMPARE(bar.view.findEnabled, !text.isEmpty());
    }
}

void TestTextFinder::anOccurrenceBelowTheViewIsCentred_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("firstVisibleLine");
    QTest::newRow("in the view") << 19 << 0;
    QTest::newRow("just below") << 20 << 11;
    QTest::newRow("far below") << 60 << 51;
}

void TestTextFinder::anOccurrenceBelowTheViewIsCentred()
{
    QFETCH(int, line);
    QFETCH(int, firstVisibleLine);
    FindBar bar(NumberedLines(100, QStringLiteral("строка %1.")));
    bar.area.VisibleLines = bar.view.visibleLines = 20;
    bar.Press(u"СТРОКА "_s + QString::number(line) + u'.');
    QCOMPARE(bar.area.LineFromChar(bar.area.SelStart()), line);
    QCOMPARE(bar.area.FirstVisibleLine(), firstVisibleLine);
}

void TestTextFinder::russianCaptionSwitchesToTheRussianLayout()
{
    FindBar bar(u"Раз, два"_s);
    bar.Press(u"два"_s);
    QVERIFY(bar.keyboard.activated.isEmpty());
    bar.Press(u"три"_s);
    bar.Press(u"два"_s);
    QCOMPARE(bar.keyboard.activated, QStringList{QString::fromLatin1(KeyboardLayout::Russian)});
}

QTEST_GUILESS_MAIN(TestTextFinder)
#include "tst_TextFinder.moc"
