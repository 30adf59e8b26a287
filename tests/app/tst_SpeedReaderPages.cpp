#include "app/DoubleClickFrame.h"
#include "app/GroupDisplay.h"
#include "app/KeyPreview.h"
#include "app/SpeedReader.h"
#include "settings/SettingsControls.h"
#include "speedreader/FocusPoint.h"
#include "testsupport/MemoryOptions.h"
#include "testsupport/MemoryTextArea.h"
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

struct Window {
    explicit Window(const QString &text) : area(text)
    {
        tabs.addTab(re1, QStringLiteral("Говорилка"));
        tabs.addTab(pnSrBase, QStringLiteral("Быстрочиталка"));
        tabs.addTab(pnSettings, QStringLiteral("Настройки"));
        tabs.setCurrentIndex(1);
        tabs.resize(700, 400);
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    }

    template <typename T> T *Find(const char *name)
    {
        return tabs.findChild<T *>(QString::fromLatin1(name));
    }

    QTabWidget tabs;
    QPlainTextEdit *re1 = new QPlainTextEdit;
    QWidget *pnSrBase = new QWidget;
    QWidget *pnSettings = new QWidget;
    MemoryTextArea area;
    SpeedReader reader{pnSrBase, pnSettings, area};
};

} // namespace

class TestSpeedReaderPages : public QObject {
    Q_OBJECT
private slots:
    void controlsCarryTheirNamesCaptionsAndHints()
    {
        Window w("");
        struct Expected {
            const char *name;
            QString hint;
        };
        for (const Expected &e : {
                 Expected{"PnDelay", "+/- Задержка -> 200"}, Expected{"PnLength", "Длина -> 1"},
                 Expected{"PnWritten", "Прочитано  -> 0"}, Expected{"Pn22", "-> 8"},
                 Expected{"Pn33", "Дополнительная задержка на длинном слове"},
                 Expected{"Pn44", "Дополнительная задержка в конце предложения"},
                 Expected{"Pn55", "Дополнительная задержка на знаках припинания"},
                 Expected{"Pn66", "-> 20"}}) {
            auto *panel = w.Find<DoubleClickFrame>(e.name);
            QVERIFY2(panel, e.name);
            QCOMPARE(panel->toolTip(), e.hint);
        }
        for (const char *name : {"EdDelay", "EdLength", "EdWritten", "Edit3"})
            QVERIFY2(w.Find<QLineEdit>(name), name);
        QCOMPARE(w.Find<QPushButton>("BtStart")->text(), QString("Старт"));
        QVERIFY(!w.Find<QPushButton>("BtStop")->isVisible());
        QCOMPARE(w.Find<QCheckBox>("CbAutoStop")->text(), QString("Пауза при неактивности"));
        QCOMPARE(w.Find<QCheckBox>("CbNonStop")->text(), QString("Читать бесконечно"));
        QCOMPARE(w.Find<QWidget>("PnClock")->accessibleDescription(), QString("0:00:00   "));
        QCOMPARE(w.Find<QLabel>("LbWords")->text(), QString("0 "));
        QCOMPARE(w.Find<QSpinBox>("UdBack")->value(), 20);
        QVERIFY(w.Find<QSpinBox>("UdWritten")->wrapping());
    }

    void startAndStopFromTheButtons()
    {
        Window w("Первое второе");
        QTest::mouseClick(w.Find<QPushButton>("BtStart"), Qt::LeftButton);
        auto *display = w.Find<GroupDisplay>("PnSR");
        QCOMPARE(display->accessibleDescription(), QString("Первое"));
        QVERIFY(w.Find<QPushButton>("BtStop")->isVisible());
        QVERIFY(!w.Find<QPushButton>("BtStart")->isVisible());
        QTest::mouseClick(w.Find<QPushButton>("BtStop"), Qt::LeftButton);
        QCOMPARE(display->accessibleDescription(), QString());
        QVERIFY(w.Find<QPushButton>("BtStart")->isVisible());
        QTest::mouseDClick(w.Find<QLabel>("LbSymbols"), Qt::LeftButton);
        QVERIFY(w.reader.Controller().Running());
    }

    void ticksPauseWhileAnotherTabIsShown()
    {
        Window w("Первое второе");
        w.tabs.setCurrentIndex(0);
        w.reader.Controller().BtStartClick();
        QCOMPARE(w.Find<GroupDisplay>("PnSR")->Group(), QString());
        w.tabs.setCurrentIndex(1);
        QTRY_COMPARE(w.Find<GroupDisplay>("PnSR")->Group(), QString("Первое"));
    }

    void keysReachTheReaderBeforeTheFocusedControl()
    {
        Window w("Первое второе");
        new KeyPreview(&w.tabs, [&](int key, Qt::KeyboardModifiers modifiers) {
            return w.reader.Controller().FormKeyDown(key, modifiers);
        });
        SpeedReaderController &c = w.reader.Controller();
        w.tabs.setCurrentIndex(0);
        w.re1->setFocus();
        QTest::keyClick(w.re1, Qt::Key_Space);
        QCOMPARE(w.re1->toPlainText(), QString(" "));
        QVERIFY(!c.Running());

        w.tabs.setCurrentIndex(1);
        auto *delay = w.Find<QSpinBox>("UdDelay");
        delay->setFocus();
        QTest::keyClick(delay, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(delay->value(), 220);
        QTest::keyClick(delay, Qt::Key_Space);
        QVERIFY(c.Running());
        QCOMPARE(w.Find<GroupDisplay>("PnSR")->Group(), QString("Первое"));
    }

    void spinBoxesAreNamedAndSetLikeByHandForScreenReaders_data()
    {
        QTest::addColumn<QString>("spin");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::addColumn<int SpeedReaderSettings::*>("setting");
        QTest::newRow("delay") << "UdDelay" << "Задержка" << 3000 << &SpeedReaderSettings::Delay;
        QTest::newRow("length") << "UdLength" << "Длина" << 12 << &SpeedReaderSettings::Length;
        QTest::newRow("read") << "UdWritten" << "Прочитано" << 40 << &SpeedReaderSettings::Written;
        QTest::newRow("long words") << "UdLetters" << "Считать слово длинным, если оно длиннее чем:" << 11
                                    << &SpeedReaderSettings::Letters;
        QTest::newRow("long word ticks") << "UdLongWord" << "Длинное слово" << 2 << &SpeedReaderSettings::LongWord;
        QTest::newRow("sentence ticks") << "UdEndOfSentence" << "Конец предложения" << 3
                                        << &SpeedReaderSettings::EndOfSentence;
        QTest::newRow("comma ticks") << "UdComma" << "Запятая, двоеточие, тсз" << 4 << &SpeedReaderSettings::Comma;
        QTest::newRow("replay") << "UdBack" << "Стрелка вверх - возврат" << 7 << &SpeedReaderSettings::Back;
    }
    // Announced by the label beside it; a value set through the accessible value interface, as
    // AT-SPI sets it, reaches the reader.
    void spinBoxesAreNamedAndSetLikeByHandForScreenReaders()
    {
        QFETCH(QString, spin);
        QFETCH(QString, name);
        QFETCH(int, value);
        QFETCH(int SpeedReaderSettings::*, setting);
        Window w("Раз два три.\r\nЧетыре пять.");
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(w.Find<QSpinBox>(spin.toLatin1()));
        QCOMPARE(accessible->text(QAccessible::Name), name);
        accessible->valueInterface()->setCurrentValue(value);
        QCOMPARE(w.reader.Controller().Settings().*setting, value);
    }

    void fieldsAndDoubleClicksReachTheReader()
    {
        Window w("");
        SpeedReaderController &c = w.reader.Controller();
        auto *delay = w.Find<QSpinBox>("UdDelay");
        delay->setValue(10000);
        delay->stepBy(1);
        QCOMPARE(delay->value(), 11000);
        QCOMPARE(delay->singleStep(), 1000);
        QCOMPARE(c.Settings().Delay, 11000);
        QTest::mouseDClick(w.Find<QWidget>("PnDelay"), Qt::LeftButton);
        QCOMPARE(delay->value(), 200);

        w.Find<QSpinBox>("UdLongWord")->setValue(3);
        QCOMPARE(c.Settings().LongWord, 3);
        auto *pn33 = w.Find<QWidget>("Pn33");
        QTest::mouseDClick(pn33->findChild<QLabel *>(), Qt::LeftButton);
        QCOMPARE(c.Settings().LongWord, 0);
        QCOMPARE(w.Find<QSpinBox>("UdLongWord")->value(), 0);

        QTest::mouseClick(w.Find<QCheckBox>("CbNonStop"), Qt::LeftButton);
        QVERIFY(c.Settings().NonStop);
    }

    void groupsAreCutToTheDisplayFont()
    {
        Window w(QString(60, u'ш'));
        QFont large = w.Find<GroupDisplay>("PnSR")->font();
        large.setPointSize(36);
        w.reader.Page().SetDisplayFont(large, Qt::white);
        w.reader.Controller().BtStartClick();
        const QString shown = w.Find<GroupDisplay>("PnSR")->Group();
        QVERIFY(shown.endsWith('-'));
        QVERIFY(QFontMetrics(large).horizontalAdvance(shown) <= w.reader.Page().DisplayWidth());
        QCOMPARE(w.Find<QLabel>("LbWords")->palette().color(QPalette::WindowText),
                 QColor(Qt::white));
    }

    void theSwitchesOfTheSettingsTabReachTheReader()
    {
        Window w("Раз два три. Четыре");
        MemoryOptions options;
        for (auto on : {OptionsStore::Switch::FocusPoint, OptionsStore::Switch::WordsPerMinute,
                        OptionsStore::Switch::ContextWhenStopped})
            options.Set(on, true);
        SettingsControls controls;
        w.reader.BindSettings(controls, options);
        QTest::mouseClick(w.Find<QCheckBox>("CbSmoothStart"), Qt::LeftButton);
        QVERIFY(options.IsOn(OptionsStore::Switch::SmoothStart));

        auto *wordsPerMinute = w.Find<QSpinBox>("UdWordsPerMinute");
        QVERIFY(wordsPerMinute->isVisible());
        QCOMPARE(wordsPerMinute->value(), 300);
        wordsPerMinute->setValue(600);
        QCOMPARE(w.Find<QSpinBox>("UdDelay")->value(), 100);

        SpeedReaderController &c = w.reader.Controller();
        c.BtStartClick();
        c.AcStopReading();
        auto *context = w.Find<QLabel>("LbContext");
        QVERIFY(context->isVisible());
        emit context->linkActivated(QStringLiteral("2"));
        auto *display = w.Find<GroupDisplay>("PnSR");
        QCOMPARE(display->Group(), QString("три."));

        QFont large = display->font();
        large.setPointSize(48);
        w.reader.Page().SetDisplayFont(large, Qt::black);
        const QImage drawn = display->grab().toImage();
        const FocusLayout &layout = display->DrawnLayout();
        QVERIFY(std::abs(layout.LetterCentre() - FocusPointX(display->contentsRect().width())) <= 0.5);
        int redInLetter = 0, redElsewhere = 0;
        for (int x = 0; x < drawn.width(); ++x)
            for (int y = 0; y < drawn.height(); ++y)
                if (drawn.pixelColor(x, y) == QColor(255, 0, 0)) {
                    const int inside = x - display->contentsRect().left();
                    (inside >= layout.letterLeft && inside < layout.letterRight ? redInLetter : redElsewhere)++;
                }
        QVERIFY(redInLetter > 0);
        QCOMPARE(redElsewhere, 0);
    }
};

QTEST_MAIN(TestSpeedReaderPages)
#include "tst_SpeedReaderPages.moc"
