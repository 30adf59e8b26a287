#include "app/TLektavo.h"
#include "testsupport/Named.h"
#include "testsupport/ScriptedVoices.h"
#include "testsupport/app/LayoutFaults.h"
#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// Every tab of the main window laid out so that each control can be read and reached: at the
// first-run size, at the smallest size the window allows, and with a large font.
namespace {

enum class Size { FirstRun, Minimum };

// The application's font for the life of a window built under it.
struct ApplicationFont {
    explicit ApplicationFont(int pointSize) : before(QApplication::font())
    {
        if (pointSize > 0) {
            QFont font = before;
            font.setPointSize(pointSize);
            QApplication::setFont(font);
        }
    }
    ~ApplicationFont() { QApplication::setFont(before); }
    QFont before;
};

void Settle()
{
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

} // namespace

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void everyTabHoldsItsControls_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<Size>("size");
        QTest::addColumn<int>("pointSize");  // 0: the desktop's font
        QTest::addColumn<bool>("findBar");
        const char *names[] = {"Говорилка", "Быстрочиталка", "Настройки", "Звук"};
        for (int tab = 0; tab < 4; ++tab) {
            QTest::addRow("%s, first run", names[tab]) << tab << Size::FirstRun << 0 << false;
            QTest::addRow("%s, smallest", names[tab]) << tab << Size::Minimum << 0 << false;
            QTest::addRow("%s, smallest, large font", names[tab]) << tab << Size::Minimum << 14 << false;
        }
        QTest::addRow("Говорилка with the find bar, first run") << 0 << Size::FirstRun << 0 << true;
        QTest::addRow("Говорилка with the find bar, smallest") << 0 << Size::Minimum << 0 << true;
    }
    void everyTabHoldsItsControls()
    {
        QFETCH(int, tab);
        QFETCH(Size, size);
        QFETCH(int, pointSize);
        QFETCH(bool, findBar);
        const ApplicationFont font(pointSize);
        QTemporaryDir folder;
        TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.minimumWidth() >= 570 && window.minimumHeight() >= 300);
        if (pointSize == 0)
            QCOMPARE(window.size(), QSize(594, 346));
        if (size == Size::Minimum)
            window.resize(window.minimumSize());
        if (findBar)
            window.Command("MnFind1Click")->trigger();
        Named<QTabWidget>(window, "PageControl1")->setCurrentIndex(tab);
        Settle();

        const QStringList faults = LayoutFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_WindowLayout.moc"
