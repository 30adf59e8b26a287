#include "app/ReadingAloud.h"
#include "app/ReadingOptions.h"
#include "app/SoundPage.h"
#include "app/TextEventGate.h"
#include "testsupport/ManualTimer.h"
#include "testsupport/Named.h"
#include "testsupport/ScriptedEngine.h"
#include "voices/VoiceChannel.h"
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

// The reading tab and the sound tab, composed as the main window composes them, with scripted
// voices.
struct ReadingWindow {
    ReadingWindow()
    {
        pages.addTab(pnRe, "Говорилка");
        pages.addTab(tsSound, "Звук");
        auto *column = new QVBoxLayout(pnRe);
        column->addWidget(pnReTop);
        column->addWidget(re1Edit);
        re2Edit->hide();
        pages.resize(600, 400);
        pages.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages));
    }

    QTabWidget pages;
    QWidget *pnRe = new QWidget;
    QWidget *pnReTop = new QWidget(pnRe);
    QPlainTextEdit *re1Edit = new QPlainTextEdit(pnRe);
    QPlainTextEdit *re2Edit = new QPlainTextEdit(pnRe);
    QWidget *tsSound = new QWidget;
    ScriptedEngine &foreign = *new ScriptedEngine;
    ScriptedEngine &russian = *new ScriptedEngine;
    VoiceChannel foreignVoice{std::unique_ptr<TDirectSS>(&foreign), std::make_unique<ManualTimer>()};
    VoiceChannel russianVoice{std::unique_ptr<TDirectSS>(&russian), std::make_unique<ManualTimer>()};
    SoundPage soundPage{tsSound, foreignVoice.Panel(), russianVoice.Panel()};
    QtTextArea re1{re1Edit};
    TextEventGate textEvents;
    ReadingAloud reading{{pnReTop, re1Edit, re2Edit, re1, soundPage, &pages, 0, foreign, russian, textEvents,
                          [](bool) {}, [](const QString &) {}, &pages}};
    ReadingController &controller = reading.Controller();

    template <typename T>
    T *Find(const char *name) { return Named<T>(pages, name); }
    QPushButton *Button(const char *name) { return Find<QPushButton>(name); }
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
        QCOMPARE(w.Find<QCheckBox>("CbAutoBuffer")->text(), "Посылать в буфер ");
        QCOMPARE(w.Find<QCheckBox>("CbIgnoreLong")->toolTip(), "Не получать из буфера длинные тексты");
        QCOMPARE(w.Find<QCheckBox>("CbLangApart")->toolTip(), "Читать английский и русский разными голосами");
        QCOMPARE(w.Find<QGroupBox>("RgLangs")->title(), "Что получать из буфера");
        QCOMPARE(w.Find<QLineEdit>("Edit4")->text(), "1");
        QVERIFY(w.Find<QLineEdit>("Edit4")->isReadOnly());
        QCOMPARE(w.Find<QSpinBox>("UpDown1")->maximum(), 30);
        QVERIFY(w.Find<QRadioButton>("RgLangsItem3")->isChecked());
        QVERIFY(!w.Find<QCheckBox>("CbIgnoreLong")->isEnabled());
    }

    void aClickOnVoicesAloudReadsAndColoursTheBackground()
    {
        ReadingWindow w;
        w.Find<QSpinBox>("UpDown1")->setValue(0);
        w.re1Edit->setPlainText("Привет. Hello world.");
        const QColor normal(250, 240, 200);  // the text area shows its panel's colour
        QPalette panel = w.pnRe->palette();
        panel.setColor(QPalette::Window, normal);
        w.pnRe->setPalette(panel);
        QPalette area = w.re1Edit->palette();
        area.setColor(QPalette::Base, normal);
        w.re1Edit->setPalette(area);
        w.Click(w.Button("BtStartSpeaking"));
        QCOMPARE(w.russian.Spoken(), QStringList{"Привет. "});
        QVERIFY(w.Button("BtStartSpeaking")->isHidden());
        QVERIFY(!w.Button("BtStopSpeaking")->isHidden());
        QCOMPARE(w.Re1Background(), QColor(104, 104, 104));
        QVERIFY(w.Button("BtPause")->hasFocus());

        w.Click(w.Button("BtPause"));
        QVERIFY(!w.Button("BtResume")->isHidden());
        QCOMPARE(w.russian.Calls.last(), "AudioPause");
        w.Click(w.Button("BtResume"));
        w.russian.FinishUtterance();
        QCOMPARE(w.foreign.Spoken(), QStringList{"Hello world."});
        w.foreign.FinishUtterance();
        QVERIFY(!w.controller.ReadingActive());
        QCOMPARE(w.Re1Background(), normal);
        QVERIFY(!w.Button("BtStartSpeaking")->isHidden());
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
        w.Click(w.Button("BtStartSpeaking"));
        QTest::mousePress(w.re1Edit->viewport(), button, {}, QPoint(5, 5));
        QTest::mouseRelease(w.re1Edit->viewport(), button, {}, QPoint(5, 5));
        QCOMPARE(w.controller.ReadingActive(), !stops);
    }

    void focusLeavingTheTextForgetsTheClick()
    {
        ReadingWindow w;
        w.re1Edit->setPlainText("Один. Два.");
        w.Click(w.re1Edit->viewport());
        QVERIFY(w.controller.MouseDownInText());
        w.Button("BtStartBuffer")->setFocus(Qt::TabFocusReason);
        QVERIFY(!w.controller.MouseDownInText());
    }

    void optionChangesRunTheirHandlers()
    {
        ReadingWindow w;
        auto *gbEnglish = w.Find<QGroupBox>("GbEnglish");
        auto *gbRussian = w.Find<QGroupBox>("GbRussian");
        w.Find<QCheckBox>("CbLangApart")->setChecked(false);
        QVERIFY(!gbEnglish->isEnabled());
        QCOMPARE(gbRussian->title(), "Английский и Русский");
        w.re1Edit->setPlainText("Hello.");
        w.controller.BtStartSpeakingClick();
        QCOMPARE(w.russian.Spoken(), QStringList{"Hello."});
        w.controller.AcStopSpeakingExecute();
        w.Find<QCheckBox>("CbLangApart")->setChecked(true);
        QCOMPARE(gbRussian->title(), "Русский");
        QVERIFY(gbEnglish->isEnabled());

        auto *options = w.pages.findChild<ReadingOptions *>();
        options->SetLangsIndex(9);
        QVERIFY(w.Find<QRadioButton>("RgLangsItem3")->isChecked());
        options->SetLangsIndex(LangsForeign);
        QVERIFY(w.Find<QCheckBox>("CbIgnoreLong")->isEnabled());
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
