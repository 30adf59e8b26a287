#include "testsupport/MemoryOptions.h"
#include "testsupport/ScriptedVoices.h"
#include "testsupport/TestTexts.h"
#include "testsupport/Named.h"
#include "app/Dialogs.h"
#include "testsupport/app/AnsweredMessages.h"
#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "speedreader/SpeedReaderController.h"
#include "settings/SettingsStore.h"
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

struct ShownWindow {
    ShownWindow()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    SettingsRecord &Record() { return window.Settings().Record(); }
    QWidget *Part(const char *name) { return Named<QWidget>(window, name); }
    QPlainTextEdit *Re1() { return Named<QPlainTextEdit>(window, "Re1"); }
    QTabWidget *Tabs() { return Named<QTabWidget>(window, "PageControl1"); }
    QList<QWidget *> Parts(std::initializer_list<const char *> names)
    {
        QList<QWidget *> parts;
        for (const char *name : names)
            parts << Part(name);
        return parts;
    }

    QTemporaryDir folder;
    TLektavo window{{}, folder.path() + '/', ScriptedVoices().Take(), nullptr, std::make_unique<MemoryOptions>()};
};

void ClickTab(TLektavo &window, int tab)
{
    QTabBar *bar = Named<QTabWidget>(window, "PageControl1")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    QCOMPARE(Named<QTabWidget>(window, "PageControl1")->currentIndex(), tab);
}

bool Wrapping(const TLektavo &window)
{
    return Named<QPlainTextEdit>(window, "Re1")->lineWrapMode() == QPlainTextEdit::WidgetWidth;
}

int LeftIn(const QWidget *widget, const QWidget *ancestor)
{
    return widget->mapTo(ancestor, QPoint(0, 0)).x();
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void fullScreenAndBackRestoresTheWindowMode_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("from a normal window") << false;
        QTest::newRow("from a maximised window") << true;
    }
    // The text keeps its selection and its first line through both changes; the selection is
    // remembered in the settings as well.
    void fullScreenAndBackRestoresTheWindowMode()
    {
        QFETCH(bool, maximised);
        ShownWindow w;
        w.window.setGeometry(120, 90, 700, 450);
        if (maximised)
            w.window.setWindowState(Qt::WindowMaximized);
        QTRY_COMPARE(w.window.isMaximized(), maximised);
        const QRect before = w.window.geometry();
        TextArea &re1 = w.window.Text();
        re1.SetText(NumberedLines(400, QStringLiteral("строка %1")));
        re1.SetSelStart(re1.LineIndex(60));
        re1.SetSelLength(9);
        re1.ScrollLines(55 - re1.FirstVisibleLine());
        const QString text = re1.Text();

        w.window.Command("mnScreenClick")->trigger();
        QTRY_VERIFY(w.window.isFullScreen());
        QCOMPARE(w.Record().Flag(SettingsField::MaximisedBeforeFullScreen), maximised);
        QCOMPARE(w.Record().Byte(SettingsField::WindowState), quint8(maximised ? 2 : 0));
        if (!maximised)
            QCOMPARE(w.Record().Int(SettingsField::WindowWidth), 700);
        QCOMPARE(w.Record().Int(SettingsField::SelStart), re1.LineIndex(60));
        QCOMPARE(w.Record().Int(SettingsField::SelLength), 9);
        QCOMPARE(re1.FirstVisibleLine(), 55);

        w.window.Command("mnWindowClick")->trigger();
        QTRY_VERIFY(!w.window.isFullScreen());
        QCOMPARE(w.window.isMaximized(), maximised);
        QTRY_COMPARE(w.window.geometry(), before);
        QCOMPARE(re1.Text(), text);
        QCOMPARE(re1.SelStart(), re1.LineIndex(60));
        QCOMPARE(re1.SelLength(), 9);
        w.window.setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(w.window.geometry().size(), QSize(700, 450));
    }

    void aResizeLaysOutTheColumns_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("width");
        QTest::newRow("sound, designed width") << int(TLektavo::TsSoundIndex) << 594;
        QTest::newRow("sound, wide") << int(TLektavo::TsSoundIndex) << 1000;
        QTest::newRow("settings, designed width") << int(TLektavo::TsSettingsIndex) << 594;
        QTest::newRow("settings, wide") << int(TLektavo::TsSettingsIndex) << 1000;
    }
    // The left column takes half the panel; the rows of both columns are as wide as the left
    // column less 19 pixels, 10 pixels from its left edge and 5 from the right column's.
    void aResizeLaysOutTheColumns()
    {
        QFETCH(int, tab);
        QFETCH(int, width);
        ShownWindow w;
        w.Tabs()->setCurrentIndex(tab);
        w.window.resize(width, 500);
        QTRY_COMPARE(w.window.width(), width);
        QCoreApplication::processEvents();

        const bool sound = tab == TLektavo::TsSoundIndex;
        QWidget *panel = w.Part(sound ? "PnSound" : "PnSettings");
        QWidget *left = w.Part(sound ? "PnSoundLeft" : "PnSettingsLeft");
        QWidget *right = w.Part(sound ? "PnSoundRight" : "PnSettingRight");
        const QList<QWidget *> leftRows = sound ? w.Parts({"Gb222", "Gb2222", "Gb22222", "RgLangs"})
                                                : w.Parts({"Pn22", "Pn33", "Pn44", "Pn55"});
        const QList<QWidget *> rightRows = sound ? w.Parts({"GbEnglish", "GbRussian"})
                                                 : w.Parts({"Pn66", "Pn77", "Pn99"});

        const int half = panel->width() / 2;
        QCOMPARE(panel->width(), w.Tabs()->currentWidget()->width());
        QCOMPARE(left->width(), half);
        QCOMPARE(LeftIn(left, panel), 0);
        QCOMPARE(LeftIn(right, panel), half);
        for (QWidget *row : leftRows) {
            QCOMPARE(row->width(), half - 19);
            QCOMPARE(LeftIn(row, left), 10);
        }
        for (QWidget *row : rightRows) {
            QCOMPARE(row->width(), half - 19);
            QCOMPARE(LeftIn(row, right), 5);
        }
    }

    // The visible lines follow the text area's height and its font.
    void visibleLinesFollowTheTextAreaAndItsFont()
    {
        ShownWindow w;
        w.window.resize(600, 500);
        QFont font = w.Re1()->font();
        font.setPixelSize(14);
        w.Re1()->setFont(font);
        QTRY_COMPARE(Named<QLabel>(w.window, "LbTest")->font().pixelSize(), 14);
        const int line = QFontMetrics(font).lineSpacing();
        const int client = w.Re1()->viewport()->height() - 2 * int(w.Re1()->document()->documentMargin());
        QCOMPARE(w.window.VisibleLineCount(), client / line);

        font.setPixelSize(28);
        w.Re1()->setFont(font);
        QCOMPARE(w.window.VisibleLineCount(), client / QFontMetrics(font).lineSpacing());
        const int fewer = w.window.VisibleLineCount();
        w.window.resize(600, 700);
        QTRY_VERIFY(w.window.VisibleLineCount() > fewer);
    }

    // Centring the text keeps the user's place: the same selection and the same first line.
    void centringTheTextKeepsTheViewAndIsRemembered()
    {
        ShownWindow w;
        w.window.Text().SetText(NumberedLines(400, QStringLiteral("строка %1")));
        w.window.Text().SetSelStart(w.window.Text().LineIndex(150) + 2);
        w.window.Text().SetSelLength(5);
        w.window.Text().ScrollLines(140 - w.window.Text().FirstVisibleLine());
        w.Re1()->document()->setModified(false);
        QCOMPARE(w.window.Text().FirstVisibleLine(), 140);

        w.window.Command("MnTaCenterClick")->trigger();
        QVERIFY(w.window.Command("MnTaCenterClick")->isChecked());
        QCOMPARE(w.Re1()->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
        QVERIFY(w.Record().Flag(SettingsField::MnTaCenter));
        QCOMPARE(w.window.Text().FirstVisibleLine(), 140);
        QCOMPARE(w.window.Text().SelText(), QStringLiteral("рока "));
        QVERIFY(!w.Re1()->document()->isModified());

        w.window.Command("MnTaCenterClick")->trigger();
        QCOMPARE(w.Re1()->document()->defaultTextOption().alignment(), Qt::AlignLeft);
        QVERIFY(!w.Record().Flag(SettingsField::MnTaCenter));
    }

    void centredTextComesBackAtTheNextStart()
    {
        QTemporaryDir folder;
        {
            TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
            window.Command("MnTaCenterClick")->trigger();
            window.close();
        }
        TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
        QVERIFY(window.Command("MnTaCenterClick")->isChecked());
        QCOMPARE(Named<QPlainTextEdit>(window, "Re1")->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    }

    // Ctrl+F brings the find bar with the focus in its field; Enter there finds and types nothing.
    // Ctrl+A in the text selects all, then nothing.
    void theFindBarAndTheEditingKeys()
    {
        ShownWindow w;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.window.Text().SetText(QStringLiteral("раз два три"));
        QTest::keyClick(&w.window, Qt::Key_F, Qt::ControlModifier);
        auto *edit1 = Named<QLineEdit>(w.window, "Edit1");
        QTRY_VERIFY(edit1->hasFocus());
        QVERIFY(w.window.Command("MnFind1Click")->isChecked());
        for (const QChar c : QStringLiteral("ДВА"))
            QTest::sendKeyEvent(QTest::Click, edit1, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(edit1, Qt::Key_Return);
        QCOMPARE(w.window.Text().SelText(), QStringLiteral("два"));
        QCOMPARE(edit1->text(), QStringLiteral("ДВА"));

        w.Re1()->setFocus();
        QTest::keyClick(w.Re1(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(w.window.Text().SelLength(), w.window.Text().TextLength());
        QTest::keyClick(w.Re1(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(w.window.Text().SelLength(), 0);
    }

    void aCleanUpIsOneStepThatCtrlZTakesBack_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("Удалить переносы") << "DelMin1Click" << "Пере-\r\nнос слова.";
        QTest::newRow("Разбить на предложения") << "Sentences1Click" << "Раз. Два. Три.";
    }

    // Run from "Правка" with the focus in the text, as the menu runs it.
    void aCleanUpIsOneStepThatCtrlZTakesBack()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        ShownWindow w;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.window.Text().SetText(text);
        w.Re1()->setFocus();
        QTest::keyClick(w.Re1(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(w.Re1(), " more");
        const QString typed = w.window.Text().Text();
        w.window.Command(command)->trigger();
        QVERIFY(w.window.Text().Text() != typed);

        QTest::keyClick(w.Re1(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.window.Text().Text(), typed);
        QTest::keyClick(w.Re1(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.window.Text().Text(), text);
    }

    // A file dropped on the window opens, converted away from the window; the first file only.
    void aDroppedFileOpens()
    {
        ShownWindow w;
        const QString first = w.folder.filePath("первый.txt");
        WriteAll(first, QStringLiteral("Текст из файла.").toUtf8());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(w.folder.filePath("второй.txt"))});
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w.window, &enter);
        QVERIFY(enter.isAccepted());
        QCoreApplication::sendEvent(&w.window, &drop);
        QTRY_COMPARE(w.window.Text().Text(), QStringLiteral("Текст из файла."));
    }

    // When "LastEdit" cannot be written the user is asked before the window goes.
    void aLastTextThatCannotBeKeptIsToldBeforeClosing()
    {
        ShownWindow w;
        QDir(w.folder.path()).mkdir("LastEdit");  // a folder where the file should be
        QStringList asked;
        int answer = 2;
        Answering question(Dialogs::QuestionHook, {[&](const QString &text, const QStringList &answers) {
                               asked << text << answers;
                               return answer;
                           }});
        QVERIFY(!w.window.close());
        QVERIFY(w.window.isVisible());
        QCOMPARE(asked.mid(1), (QStringList{"Сохранить в файл...", "Закрыть", "Отмена"}));
        QVERIFY(asked.first().contains(w.folder.filePath("LastEdit")));
        answer = 1;
        QVERIFY(w.window.close());
    }

    // A second "Полный экран" must not store full screen as the mode to go back to.
    void fullScreenTwiceStillGoesBackToTheWindow()
    {
        ShownWindow w;
        w.window.setGeometry(100, 100, 640, 420);
        QTRY_COMPARE(w.window.width(), 640);
        w.window.Command("mnScreenClick")->trigger();
        QTRY_VERIFY(w.window.isFullScreen());
        w.window.Command("mnScreenClick")->trigger();
        w.window.Command("mnWindowClick")->trigger();
        QTRY_VERIFY(!w.window.isFullScreen());
        QVERIFY(!w.window.isMaximized());
        QTRY_COMPARE(w.window.geometry().size(), QSize(640, 420));
    }

    void speedReaderKeysActWithTheFocusOnTheTabBar_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("replayIndex");
        QTest::addColumn<bool>("running");
        const Qt::KeyboardModifiers none, keypad = Qt::KeypadModifier;
        QTest::newRow("keypad plus: a longer tick") << int(Qt::Key_Plus) << keypad << 220 << -2 << false;
        QTest::newRow("keypad minus: a shorter tick") << int(Qt::Key_Minus) << keypad << 190 << -2 << false;
        QTest::newRow("plus of the letters: nothing") << int(Qt::Key_Plus) << none << 200 << -2 << false;
        QTest::newRow("up arrow: the replay") << int(Qt::Key_Up) << none << 200 << -1 << false;
        QTest::newRow("space: start") << int(Qt::Key_Space) << none << 200 << -2 << true;
        QTest::newRow("right arrow: no other tab") << int(Qt::Key_Right) << none << 200 << -2 << false;
        QTest::newRow("left arrow: no other tab") << int(Qt::Key_Left) << none << 200 << -2 << false;
    }
    // "Старт" leaves the focus on the tab bar, so that is where the reader's keys are pressed.
    void speedReaderKeysActWithTheFocusOnTheTabBar()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, delay);
        QFETCH(int, replayIndex);
        QFETCH(bool, running);
        ShownWindow w;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.window.Text().SetText(QStringLiteral("Раз два три четыре пять."));
        ClickTab(w.window, TLektavo::TsSrIndex);
        QTabBar *bar = w.Tabs()->tabBar();
        QTRY_COMPARE(QApplication::focusWidget(), bar);

        QTest::keyClick(bar, Qt::Key(key), modifiers);
        const SpeedReaderController &reader = w.window.SpeedReading();
        QCOMPARE(w.Tabs()->currentIndex(), int(TLektavo::TsSrIndex));
        QCOMPARE(reader.Settings().Delay, delay);
        QCOMPARE(Named<QSpinBox>(w.window, "UdDelay")->value(), delay);
        QCOMPARE(reader.ReplayIndex(), replayIndex);
        QCOMPARE(reader.Running(), running);
    }

    // The word wrap of a start on the speed reader's tab goes only when the tab is entered anew.
    // Over wrapped lines the reader's place would move as the area lays out more of the text.
    void aStartOnTheSpeedReaderTabReadsParagraphs()
    {
        QTemporaryDir folder;
        const QString text = Paragraphs(8);
        SettingsRecord record = DefaultSettings();
        record.SetByte(SettingsField::TabIndex, TLektavo::TsSrIndex);
        record.SetInt(SettingsField::SelStart, text.indexOf(QStringLiteral("P2 ")) + 9);
        QVERIFY(SettingsStore::WriteSettings(folder.filePath("Data.dat"), record));
        QVERIFY(SettingsStore::WriteLastEdit(folder.filePath("LastEdit"), text));

        TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(Named<QTabWidget>(window, "PageControl1")->currentIndex(), int(TLektavo::TsSrIndex));
        QVERIFY(!Wrapping(window));
        QCOMPARE(window.SpeedReading().Chunker().ReadLine(), 2);
        QCOMPARE(window.SpeedReading().Chunker().ReadOffset(), 9);

        ClickTab(window, TLektavo::TsReIndex);
        QVERIFY(Wrapping(window));
        ClickTab(window, TLektavo::TsSrIndex);
        QVERIFY(!Wrapping(window));
        QCOMPARE(window.SpeedReading().Chunker().ReadLine(), 2);
        QCOMPARE(window.Text().Text(), text);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_Window.moc"
