#include "app/ReadingBar.h"
#include "app/ReadingOptions.h"
#include "app/ReadingWindowView.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtTextArea.h"
#include "platform/qt/QtTimer.h"
#include "reading/ClipboardMonitor.h"
#include "reading/LanguageDispatch.h"
#include "reading/ReadingController.h"
#include "reading/SentenceStepper.h"
#include "testsupport/ScriptedEngine.h"
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

// The reading tab and the options of the sound tab, wired as the main window wires them.
struct ReadingWindow {
    ReadingWindow()
    {
        pages.addTab(pnRe, "Говорилка");
        pages.addTab(pnSound, "Звук");
        auto *column = new QVBoxLayout(pnRe);
        column->addWidget(pnReTop);
        column->addWidget(re1Edit);
        re2Edit->hide();
        auto *sound = new QHBoxLayout(pnSound);
        sound->addWidget(options);
        sound->addWidget(gbEnglish);
        sound->addWidget(gbRussian);
        view.ForeignVoiceGroup = gbEnglish;
        view.RussianVoiceGroup = gbRussian;
        view.Pages = &pages;
        bar.ConnectTo(controller);
        options->ConnectTo(controller, monitor);
        view.ForwardTextAreaEvents(controller, monitor);
        for (ScriptedEngine *engine : {&foreign, &russian})
            engine->OnAudioStop = [this](TDirectSS *s, quint32 hi, quint32 lo) { controller.DsAudioStop(s, hi, lo); };
        pages.resize(600, 400);
        pages.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages));
    }

    QTabWidget pages;
    QWidget *pnRe = new QWidget;
    QWidget *pnReTop = new QWidget(pnRe);
    QPlainTextEdit *re1Edit = new QPlainTextEdit(pnRe);
    QPlainTextEdit *re2Edit = new QPlainTextEdit(pnRe);
    QWidget *pnSound = new QWidget;
    ReadingOptions *options = new ReadingOptions(pnSound);
    QGroupBox *gbEnglish = new QGroupBox("Английский", pnSound);
    QGroupBox *gbRussian = new QGroupBox("Русский", pnSound);
    ReadingBar bar{pnReTop};
    ReadingWindowView view{bar, *options, re1Edit};

    QtTextArea re1{re1Edit}, re2{re2Edit};
    SentenceStepper stepper;
    ScriptedEngine foreign, russian;
    LanguageDispatch dispatch{foreign, russian};
    QtTimer tmSleep, tmBuffer;
    QtClipboard clipboard{QGuiApplication::clipboard()};
    ReadingController controller{view, re1, re2, stepper, dispatch, tmSleep, clipboard};
    ClipboardMonitor monitor{view, controller, re1, clipboard, tmBuffer};

    void Click(QWidget *widget, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(widget, button, {}, QPoint(5, 5));
    }
    QColor Re1Background() const { return re1Edit->palette().color(QPalette::Base); }
};

} // namespace

class TestReadingWidgets : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirNamesCaptionsAndHints()
    {
        ReadingWindow w;
        const QList<QPair<const char *, QString>> buttons = {
            {"BtStartSpeaking", "Вслух"}, {"BtStopSpeaking", "Стоп"}, {"BtStartBuffer", "Буфер"},
            {"BtStopBuffer", "Стоп"}, {"BtPause", "Пауза"}, {"BtResume", "Продолжить"}};
        for (const auto &[name, caption] : buttons) {
            auto *button = w.pnReTop->findChild<QPushButton *>(name);
            QVERIFY2(button, name);
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->accessibleName(), caption);
        }
        QCOMPARE(w.options->findChild<QCheckBox *>("CbAutoBuffer")->text(), "Посылать в буфер ");
        QCOMPARE(w.options->CbIgnoreLong->toolTip(), "Не получать из буфера длинные тексты");
        QCOMPARE(w.options->CbLangApart->toolTip(), "Читать английский и русский разными голосами");
        QCOMPARE(w.options->RgLangs->title(), "Что получать из буфера");
        QCOMPARE(w.options->findChild<QLineEdit *>("Edit4")->text(), "1");
        QVERIFY(w.options->Edit4->isReadOnly());
        QCOMPARE(w.options->UpDown1->maximum(), 30);
        QCOMPARE(w.options->LangsIndex(), int(LangsNothing));
        QVERIFY(!w.options->CbIgnoreLong->isEnabled());
    }

    void aClickOnVoicesAloudReadsAndColoursTheBackground()
    {
        ReadingWindow w;
        w.options->UpDown1->setValue(0);
        w.re1Edit->setPlainText("Привет. Hello world.");
        const QColor normal(250, 240, 200);  // the text area shows its panel's colour
        QPalette panel = w.pnRe->palette();
        panel.setColor(QPalette::Window, normal);
        w.pnRe->setPalette(panel);
        QPalette area = w.re1Edit->palette();
        area.setColor(QPalette::Base, normal);
        w.re1Edit->setPalette(area);
        w.Click(w.bar.BtStartSpeaking);
        QCOMPARE(w.russian.Spoken(), QStringList{"Привет. "});
        QVERIFY(w.bar.BtStartSpeaking->isHidden());
        QVERIFY(!w.bar.BtStopSpeaking->isHidden());
        QCOMPARE(w.Re1Background(), QColor(104, 104, 104));
        QVERIFY(w.bar.BtPause->hasFocus());

        w.Click(w.bar.BtPause);
        QVERIFY(!w.bar.BtResume->isHidden());
        QCOMPARE(w.russian.Calls.last(), "AudioPause");
        w.Click(w.bar.BtResume);
        w.russian.FinishUtterance();
        QCOMPARE(w.foreign.Spoken(), QStringList{"Hello world."});
        w.foreign.FinishUtterance();
        QVERIFY(!w.controller.ReadingActive);
        QCOMPARE(w.Re1Background(), normal);
        QVERIFY(!w.bar.BtStartSpeaking->isHidden());
    }

    void mouseButtonsInTheText_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("stops");
        QTest::newRow("left") << Qt::LeftButton << true;
        QTest::newRow("right") << Qt::RightButton << false;
    }

    void mouseButtonsInTheText()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, stops);
        ReadingWindow w;
        w.re1Edit->setPlainText("Один. Два.");
        w.Click(w.bar.BtStartSpeaking);
        w.stepper.DashPending = true;
        QTest::mousePress(w.re1Edit->viewport(), button, {}, QPoint(5, 5));
        QTest::mouseRelease(w.re1Edit->viewport(), button, {}, QPoint(5, 5));
        QCOMPARE(w.controller.ReadingActive, !stops);
        QVERIFY(!w.stepper.DashPending);
    }

    void focusLeavingTheTextForgetsTheClick()
    {
        ReadingWindow w;
        w.re1Edit->setPlainText("Один. Два.");
        w.Click(w.re1Edit->viewport());
        QVERIFY(w.controller.MouseDownInText);
        w.bar.BtStartBuffer->setFocus(Qt::TabFocusReason);
        QVERIFY(!w.controller.MouseDownInText);
    }

    void optionChangesRunTheirHandlers()
    {
        ReadingWindow w;
        int stored = 0;
        w.view.StoreOptions = [&] { ++stored; };
        w.options->CbLangApart->setChecked(false);
        QVERIFY(!w.gbEnglish->isEnabled());
        QCOMPARE(w.gbRussian->title(), "Английский и Русский");
        QVERIFY(!w.dispatch.LangApart);
        w.options->CbLangApart->setChecked(true);
        QCOMPARE(w.gbRussian->title(), "Русский");
        QVERIFY(w.gbEnglish->isEnabled());

        w.options->SetLangsIndex(9);
        QCOMPARE(w.options->LangsIndex(), int(LangsNothing));
        w.options->SetLangsIndex(LangsForeign);
        QVERIFY(w.options->CbIgnoreLong->isEnabled());
        w.options->UpDown1->setValue(4);
        w.options->CbIgnoreLong->setChecked(false);
        QCOMPARE(stored, 5);
        QCOMPARE(w.view.ExtraPauseSeconds(), 4);
    }

    void aSelectedWordGoesToTheClipboard()
    {
        ReadingWindow w;
        w.re1Edit->setPlainText("Одно слово");
        QGuiApplication::clipboard()->setText("прежний");
        QTextCursor cursor = w.re1Edit->textCursor();
        cursor.setPosition(5);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        w.re1Edit->setTextCursor(cursor);
        QCOMPARE(QGuiApplication::clipboard()->text(), "слово");
        cursor.setPosition(0);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        w.re1Edit->setTextCursor(cursor);
        QCOMPARE(QGuiApplication::clipboard()->text(), "слово");
    }

};

QTEST_MAIN(TestReadingWidgets)
#include "tst_ReadingWidgets.moc"
