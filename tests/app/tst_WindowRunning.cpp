#include "app/TLektavo.h"
#include "testsupport/TestTexts.h"
#include "platform/TextArea.h"
#include "speedreader/SpeedReaderController.h"
#include "testsupport/Named.h"
#include "testsupport/ScriptedVoices.h"
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// The main window on a real X server with its window manager: the view modes, a resize and a tab
// switch made as a user makes them.
namespace {

void Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(10000));
}

QString WindowStates(const TLektavo &window)
{
    QProcess process;
    process.start("xprop", {"-id", QString::number(window.winId()), "_NET_WM_STATE"});
    process.waitForFinished(10000);
    return QString::fromLatin1(process.readAllStandardOutput());
}

// A click of the real pointer at a point of a widget.
void ClickAt(const QWidget *widget, QPoint point)
{
    const QPoint global = widget->mapToGlobal(point);
    Run("xdotool", {"mousemove", "--sync", QString::number(global.x()), QString::number(global.y()), "click", "1"});
}

void ClickTab(TLektavo &window, int tab)
{
    QTabBar *bar = Named<QTabWidget>(window, "PageControl1")->tabBar();
    ClickAt(bar, bar->tabRect(tab).center());
    QTRY_COMPARE(Named<QTabWidget>(window, "PageControl1")->currentIndex(), tab);
}

struct RunningWindow {
    RunningWindow()
    {
        window.setGeometry(150, 120, 640, 420);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTRY_VERIFY(window.isActiveWindow());
    }

    QTemporaryDir folder;
    TLektavo window{{}, folder.path() + '/', ScriptedVoices().Take()};
};

} // namespace

class TestWindowRunning : public QObject {
    Q_OBJECT
private slots:
    void fullScreenCoversTheScreenAndGivesTheWindowBack_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("normal") << false;
        QTest::newRow("maximised") << true;
    }
    void fullScreenCoversTheScreenAndGivesTheWindowBack()
    {
        QFETCH(bool, maximised);
        RunningWindow w;
        if (maximised) {
            w.window.showMaximized();
            QTRY_VERIFY(WindowStates(w.window).contains("_NET_WM_STATE_MAXIMIZED_VERT"));
            // The new size and the move into the corner may come in separate events.
            QTRY_VERIFY(w.window.width() > 640);
            QTRY_COMPARE(w.window.frameGeometry().topLeft(), w.window.screen()->availableGeometry().topLeft());
        }
        QTRY_VERIFY(w.window.frameGeometry() != w.window.geometry());  // the window manager framed it
        const QRect before = w.window.geometry();

        w.window.Command("mnScreenClick")->trigger();
        const QRect screen = w.window.screen()->geometry();
        QTRY_VERIFY(WindowStates(w.window).contains("_NET_WM_STATE_FULLSCREEN"));
        QTRY_COMPARE(w.window.geometry(), screen);
        QCOMPARE(w.window.frameGeometry(), screen);

        w.window.Command("mnWindowClick")->trigger();
        QTRY_VERIFY(!WindowStates(w.window).contains("_NET_WM_STATE_FULLSCREEN"));
        QTRY_COMPARE(w.window.geometry(), before);
        QCOMPARE(WindowStates(w.window).contains("_NET_WM_STATE_MAXIMIZED_VERT"), maximised);
        QTRY_VERIFY(w.window.frameGeometry() != w.window.geometry());
    }

    void aResizeByTheWindowManagerLaysOutTheColumns()
    {
        RunningWindow w;
        Named<QTabWidget>(w.window, "PageControl1")->setCurrentIndex(TLektavo::TsSettingsIndex);
        Run("xdotool", {"windowsize", "--sync", QString::number(w.window.winId()), "900", "500"});
        QTRY_COMPARE(w.window.width(), 900);
        const int half = Named<QWidget>(w.window, "PnSettings")->width() / 2;
        QTRY_COMPARE(Named<QWidget>(w.window, "PnSettingsLeft")->width(), half);
        QTRY_COMPARE(Named<QWidget>(w.window, "Pn22")->width(), half - 19);
        QCOMPARE(Named<QWidget>(w.window, "Pn66")->width(), half - 19);
    }

    // Clicks on the tabs hand the position to the speed reader and back; the scratch file is
    // gone after each switch.
    void aTabSwitchHandsThePositionOver()
    {
        RunningWindow w;
        const QString text = Paragraphs(10);
        const QStringList paragraphs = text.split(QStringLiteral("\r\n"));
        w.window.Text().SetText(text);
        w.window.Text().SetSelStart(text.indexOf(paragraphs[4]) + 25);

        ClickTab(w.window, TLektavo::TsSrIndex);
        SpeedReaderController &speedReader = w.window.SpeedReading();
        QCOMPARE(speedReader.Chunker().ReadLine(), 4);
        QCOMPARE(speedReader.Chunker().ReadOffset(), 25);
        const QString tempPath = w.window.Settings().TempPath();
        QVERIFY(!QFile::exists(tempPath));

        speedReader.BtStartClick();  // shows the rest of the word at the position
        speedReader.BtStopClick();
        ClickTab(w.window, TLektavo::TsReIndex);
        QCOMPARE(w.window.Text().SelText(), paragraphs[4].mid(25, 5));
        QVERIFY(!QFile::exists(tempPath));
        QVERIFY(Named<QPlainTextEdit>(w.window, "Re1")->isVisible());
        QCOMPARE(Named<QPlainTextEdit>(w.window, "Re1")->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    void theTopBarsDragTheWindow_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("reading tab") << int(TLektavo::TsReIndex);
        QTest::newRow("speed reader") << int(TLektavo::TsSrIndex);
    }
    void theTopBarsDragTheWindow()
    {
        QFETCH(int, tab);
        RunningWindow w;
        Named<QTabWidget>(w.window, "PageControl1")->setCurrentIndex(tab);
        QWidget *bar = tab == TLektavo::TsReIndex ? Named<QWidget>(w.window, "PnReTop") : Named<QWidget>(w.window, "PnTopButtons");
        QTRY_VERIFY(bar->isVisible());
        const QPoint before = w.window.pos();
        const QPoint grip = bar->mapToGlobal(QPoint(bar->width() - 4, bar->height() / 2));
        Run("xdotool", {"mousemove", "--sync", QString::number(grip.x()), QString::number(grip.y()), "mousedown", "1"});
        QTest::qWait(100);
        Run("xdotool", {"mousemove", "--sync", QString::number(grip.x() + 60), QString::number(grip.y() + 40)});
        QTest::qWait(100);
        Run("xdotool", {"mousemove", "--sync", QString::number(grip.x() + 120), QString::number(grip.y() + 80), "mouseup", "1"});
        QTRY_COMPARE(w.window.pos(), before + QPoint(120, 80));
    }
};

QTEST_MAIN(TestWindowRunning)
#include "tst_WindowRunning.moc"
