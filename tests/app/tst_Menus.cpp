#include "app/CommandTable.h"
#include "app/Dialogs.h"
#include "app/HelpWindow.h"
#include "app/TFormAbout.h"
#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "speedreader/SpeedReaderController.h"
#include "testsupport/Named.h"
#include "testsupport/ScriptedVoices.h"
#include "testsupport/TestTexts.h"
#include "testsupport/app/AnsweredMessages.h"
#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <libxml/HTMLparser.h>

namespace {

// Takes the URLs handed to the desktop instead of opening them.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    explicit UrlCatcher(const QStringList &schemes) : schemes(schemes)
    {
        for (const QString &scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~UrlCatcher() override
    {
        for (const QString &scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

public slots:
    void Open(const QUrl &url) { opened << url; }

private:
    QStringList schemes;
};

struct MenuWindow {
    MenuWindow()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QMenu *Menu(const char *name) { return Named<QMenu>(window, name); }
    QAction *Item(const char *menu, const char *item) { return Named<QAction>(*Menu(menu), item); }
    // The menu as it is when it opens, without showing it.
    void Open(const char *menu) { emit Menu(menu)->aboutToShow(); }

    QTemporaryDir folder;
    TLektavo window{{}, folder.path() + '/', ScriptedVoices().Take()};
};

} // namespace

class TestMenus : public QObject {
    Q_OBJECT
private slots:
    void theMainMenuInOrder()
    {
        MenuWindow w;
        QStringList titles;
        for (QAction *menu : w.window.menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles, (QStringList{"Файл", "Вид", "Правка", "?"}));
        QStringList file;
        for (QAction *item : w.Menu("MnFile")->actions())
            file << (item->isSeparator() ? "-" : item->text());
        QCOMPARE(file, (QStringList{"Загрузить из файла...", "Загрузить из буфера", "Сохранить в файл...",
                                    "Сохранить как аудио...", "Очистить", "-", "Завершить работу"}));
        QCOMPARE(w.Item("MnEdit1", "SelectAll2")->shortcut(), QKeySequence("Ctrl+A"));
        QCOMPARE(w.Item("N4", "Help1")->shortcut(), QKeySequence("F1"));

        QVERIFY(w.Menu("MnEdit1")->menuAction()->isVisible());
        Named<QTabWidget>(w.window, "PageControl1")->setCurrentIndex(TLektavo::TsSrIndex);
        QVERIFY(!w.Menu("MnEdit1")->menuAction()->isVisible());
    }

    // Every item reaches the command the menus' table gives it, whichever menu it is in.
    void everyItemReachesItsCommand_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("command");
        const QList<std::tuple<const char *, const char *, const char *>> rows = {
            {"MnFile", "LoadFromFile1", "LoadFromFile1Click"}, {"MnFile", "LoadFromClipboard1", "LoadFromClipboard1Click"},
            {"MnFile", "SaveToFile1", "SaveToFile1Click"},
            {"MnFile", "SaveAsAudio1", "SaveAsAudio1Click"}, {"MnFile", "Clear1", "Clear1Click"},
            {"mnView", "mnWindow", "mnWindowClick"}, {"mnView", "mnScreen", "mnScreenClick"},
            {"mnView", "Re1Font1", "Re1Font1Click"}, {"mnView", "Re1Color1", "Re1Color1Click"},
            {"mnView", "MnTaCenter", "MnTaCenterClick"}, {"mnView", "HighLite1", "IndicatorsColor1Click"},
            {"mnView", "BgHightLight1", "BgHightLight1Click"}, {"mnView", "PnFont1", "PnFont1Click"},
            {"mnView", "PnFontColor1", "PnFontColor1Click"}, {"mnView", "PnColor1", "PnColor1Click"},
            {"mnView", "Indicators1", "Indicators1Click"}, {"MnEdit1", "SelectAll2", "SelectAll1Click"},
            {"MnEdit1", "Cut2", "Cut1Click"}, {"MnEdit1", "Copy2", "Copy1Click"}, {"MnEdit1", "Paste2", "Paste1Click"},
            {"MnEdit1", "DelMin1", "DelMin1Click"}, {"MnEdit1", "Sentences1", "Sentences1Click"}, {"MnEdit1", "EnglishRuns1", "EnglishRunsClick"}, {"MnEdit1", "Pronunciation1", "PronunciationClick"},
            {"MnEdit1", "HyphensByDictionary1", "HyphensByDictionaryClick"},
            {"MnEdit1", "MnFind1", "MnFind1Click"}, {"N4", "Help1", "Help1Click"}, {"N4", "About1", "About1Click"},
            {"Pu1", "LoadFromFile2", "LoadFromFile1Click"}, {"Pu1", "LoadFromClipboard3", "LoadFromClipboard1Click"},
            {"Pu1", "Clear3", "Clear1Click"}, {"Pu1", "SaveToFile2", "SaveToFile1Click"},
            {"Pu1", "SaveAsAudio2", "SaveAsAudio1Click"}, {"Pu1", "Pronunciation2", "PronunciationClick"},
            {"Pu1", "Re1Font2", "Re1Font1Click"}, {"Pu1", "Re1Color2", "Re1Color1Click"},
            {"Pu1", "HighLight2", "IndicatorsColor1Click"}, {"Pu1", "BgHighLight2", "BgHightLight1Click"},
            {"Pu1", "SelectAll1", "SelectAll1Click"}, {"Pu1", "Cut1", "Cut1Click"}, {"Pu1", "Copy1", "Copy1Click"},
            {"Pu1", "Paste1", "Paste1Click"}, {"Pu2", "SelectAll22", "AcSelectAll"}, {"Pu2", "Cut22", "AcCut"},
            {"Pu2", "Copy22", "AcCopy"}, {"Pu2", "Paste22", "AcPaste"},
            {"Pu3", "LoadFromFile3", "LoadFromFile1Click"}, {"Pu3", "LoadFromClipboard2", "LoadFromClipboard1Click"},
            {"Pu3", "SaveToFile3", "SaveToFile1Click"}, {"Pu3", "Clear2", "Clear1Click"},
            {"Pu3", "PnFont3", "PnFont1Click"}, {"Pu3", "PnFontColor3", "PnFontColor1Click"},
            {"Pu3", "PnColor3", "PnColor1Click"}, {"Pu3", "Indicators3", "Indicators1Click"},
            {"MnFile", "Close1", "Close1Click"},
        };
        for (const auto &[menu, item, command] : rows)
            QTest::newRow(item) << menu << item << command;
    }
    void everyItemReachesItsCommand()
    {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QString, command);
        MenuWindow w;
        Answering cancelOpen(Dialogs::OpenFileHook, {[](const QString &) { return std::optional<QString>(); }});
        Answering cancelSave(Dialogs::SaveFileHook,
                             {[](const QString &, const QString &) { return std::optional<QString>(); }});
        Answering cancelFont(Dialogs::FontHook, {[](const QFont &) { return std::optional<QFont>(); }});
        Answering cancelColour(Dialogs::ColourHook, {[](const QColor &) { return std::optional<QColor>(); }});
        UrlCatcher help({"file"});
        QSignalSpy reached(w.window.Command(command), &QAction::triggered);
        QMenu *holder = Named<QMenu>(w.window, qPrintable(menu));
        Named<QAction>(*holder, qPrintable(item))->trigger();
        QCOMPARE(reached.count(), 1);
        if (auto *about = w.window.findChild<TFormAbout *>())
            about->close();
    }

    // "Переносы по словарю" is kept among the program's own options and shows its check mark.
    void theDictionaryOptionShowsItsState()
    {
        MenuWindow w;
        QAction *item = w.Item("MnEdit1", "HyphensByDictionary1");
        const bool before = item->isChecked();
        item->trigger();
        w.Open("MnEdit1");
        QCOMPARE(item->isChecked(), !before);
        QCOMPARE(QSettings("Lektavo", "Lektavo").value("HyphensByDictionary").toBool(), !before);
    }

    // "Показывть скорость чтения" of the display's menu hides the indicators; both menus then
    // open with the item unchecked.
    void theIndicatorsFromTheDisplaysMenu()
    {
        MenuWindow w;
        Named<QTabWidget>(w.window, "PageControl1")->setCurrentIndex(TLektavo::TsSrIndex);
        w.Open("Pu3");
        QVERIFY(w.Item("Pu3", "Indicators3")->isChecked());
        w.Item("Pu3", "Indicators3")->trigger();
        QVERIFY(!Named<QLabel>(w.window, "LbWords")->isVisible());
        w.Open("Pu3");
        w.Open("mnView");
        QVERIFY(!w.Item("Pu3", "Indicators3")->isChecked());
        QVERIFY(!w.Item("mnView", "Indicators1")->isChecked());
        QCOMPARE(w.Item("Pu3", "Indicators3")->text(), "Показывть скорость чтения");
    }

    // A right click in the text opens its menu and leaves the focus where it was.
    void aRightClickInTheTextKeepsTheFocus()
    {
        MenuWindow w;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        auto *button = Named<QPushButton>(w.window, "BtStartBuffer");
        button->setEnabled(true);
        button->setFocus();
        QVERIFY(button->hasFocus());
        auto *re1 = Named<QPlainTextEdit>(w.window, "Re1");
        QTest::mouseClick(re1->viewport(), Qt::RightButton, {}, QPoint(10, 10));
        QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, QPoint(10, 10), re1->viewport()->mapToGlobal(QPoint(10, 10)));
        QCoreApplication::sendEvent(re1->viewport(), &menuAsked);
        QTRY_VERIFY(w.Menu("Pu1")->isVisible());
        w.Menu("Pu1")->close();
        QTRY_VERIFY(button->hasFocus());
    }

    void theAboutBox()
    {
        TFormAbout about;
        QCOMPARE(about.windowTitle(), "Lektavo 3.19");
        QCOMPARE(about.size(), QSize(518, 194));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(174, 174, 174));
        QCOMPARE(about.font().family(), "Times New Roman");
        QCOMPARE(about.font().pixelSize(), 23);
        QCOMPARE(Named<QTextEdit>(about, "Memo1")->toPlainText().split('\n').mid(0, 2),
                 (QStringList{"Программа Lektavo", "написана "}));
        QCOMPARE(Named<QPushButton>(about, "Button1")->text(), "OK");

        UrlCatcher links({"https", "mailto"});
        auto *label1 = Named<QLabel>(about, "Label1");
        QCOMPARE(label1->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        about.Label1Click();
        about.Label2Click();
        QCOMPARE(label1->palette().color(QPalette::WindowText), QColor(128, 0, 128));
        QCOMPARE(links.opened, (QList<QUrl>{QUrl(TFormAbout::ProjectPage),
                                            QUrl(QStringLiteral("mailto:") + TFormAbout::ProjectMail)}));
    }

    void f1HandsTheHelpDocumentToTheDesktop()
    {
        MenuWindow w;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        UrlCatcher help({"file"});
        QTest::keyClick(&w.window, Qt::Key_F1);
        QCOMPARE(help.opened.size(), 1);
        QVERIFY(help.opened.first().toLocalFile().endsWith("/Help.html"));
    }

    // The about box comes up over the middle of the main window.
    void theAboutBoxIsCentredOnTheWindow()
    {
        QWidget window;
        window.setGeometry(40, 30, 900, 640);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TFormAbout about(&window);
        QCOMPARE(about.geometry().center(), window.frameGeometry().center());
    }

    // Where the desktop cannot open the help document, a window of the program shows it until Esc.
    void theHelpOpensInAWindowWhereTheDesktopCannot()
    {
        QWidget window;
        ShowHelp(&window, LEKTAVO_HELP, [](const QUrl &) { return true; });
        QVERIFY(!window.findChild<HelpWindow *>());
        ShowHelp(&window, LEKTAVO_HELP, [](const QUrl &) { return false; });
        QPointer<HelpWindow> help = window.findChild<HelpWindow *>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), "Помощь");
        auto *browser = Named<QTextBrowser>(*help, "HelpBrowser");
        QCOMPARE(browser->source(), QUrl::fromLocalFile(LEKTAVO_HELP));
        QVERIFY(browser->toPlainText().contains("Lektavo — помощь"));
        QTest::keyClick(browser, Qt::Key_Escape);
        QTRY_VERIFY(!help);
    }

    // The help document parses as HTML without an error and names every command of the menus.
    void theHelpDocumentIsHtmlNamingEveryCommand()
    {
        const QByteArray html = ReadAll(QStringLiteral(LEKTAVO_HELP));
        QVERIFY(!html.isEmpty());
        QVERIFY(QString::fromUtf8(html).toUtf8() == html);
        QStringList errors;
        xmlSetStructuredErrorFunc(&errors, [](void *list, xmlError *error) {
            static_cast<QStringList *>(list)->append(QString::fromUtf8(error->message).trimmed());
        });
        htmlDocPtr document = htmlReadMemory(html.constData(), int(html.size()), nullptr, "UTF-8", HTML_PARSE_NONET);
        xmlSetStructuredErrorFunc(nullptr, nullptr);
        QVERIFY(document);
        xmlFreeDoc(document);
        QCOMPARE(errors, QStringList());

        MenuWindow w;
        const QString text = QString::fromUtf8(html).simplified();
        for (const char *name : {"MnFile", "mnView", "MnEdit1", "N4", "Pu1", "Pu2", "Pu3"})
            for (QAction *item : w.Menu(name)->actions())
                if (!item->isSeparator())
                    QVERIFY2(text.contains(item->text()), qPrintable(item->text()));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_Menus.moc"
