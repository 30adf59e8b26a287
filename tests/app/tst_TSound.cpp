#include "app/TSound.h"
#include "platform/qt/QtTimer.h"
#include "testsupport/ScriptedEngine.h"
#include "voices/VoiceChannel.h"
#include "voices/LoadSound.h"
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QList<ScriptedEngine::Voice> Voices()
{
    return {{"Eng A", 1033, "at&t"}, {"Plain", 1031}, {"Rus A", 1049}, {"Eng B", 2057}, {"Rus B", 1049}};
}

// Two panels on one window, as the sound tab holds them, with the engines kept at hand.
struct Window {
    ScriptedEngine *english = new ScriptedEngine;
    ScriptedEngine *russian = new ScriptedEngine;
    VoiceChannel foreign{std::unique_ptr<TDirectSS>(english), std::make_unique<QtTimer>()};
    VoiceChannel native{std::unique_ptr<TDirectSS>(russian), std::make_unique<QtTimer>()};
    QWidget window;
    TSound *sound1 = nullptr, *sound2 = nullptr;

    explicit Window(bool start = true)
    {
        english->Voices = russian->Voices = Voices();
        sound1 = new TSound("Sound1", foreign.Panel(), &window);
        sound2 = new TSound("Sound2", native.Panel(), &window);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(sound1);
        layout->addWidget(sound2);
        if (start)
            LoadSound(foreign.Panel(), native.Panel(), true, {}, {});
    }

    bool Activate()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

QStringList Items(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QString AccessibleName(QObject *control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

}

class TestTSound : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirNamesAndCaptions()
    {
        Window w(false);
        TSound *sound = w.sound1;
        QCOMPARE(sound->objectName(), "Sound1");
        QCOMPARE(sound->toolTip(), "Правая кнопка мышки - настройка движков");
        for (const char *name : {"CbMainCopy", "BitBtn2", "LbSpeed", "SbSpeed", "LbPitch", "SbPitch", "Label1",
                                 "SbVolume", "PuSound"})
            QVERIFY2(sound->findChild<QObject *>(name), name);
        QCOMPARE(AccessibleName(sound->SbSpeed), "Скорость");
        QCOMPARE(AccessibleName(sound->SbPitch), "Высота");
        QCOMPARE(AccessibleName(sound->SbVolume), "Громкость");
        QCOMPARE(AccessibleName(sound->CbMainCopy), "CbMainCopy");
        for (QSlider *slider : {sound->SbSpeed, sound->SbPitch, sound->SbVolume}) {
            QCOMPARE(slider->minimum(), 1);
            QCOMPARE(slider->maximum(), 100);
            QCOMPARE(slider->pageStep(), 5);
        }

        QStringList menu;
        for (const QAction *item : sound->PuSound->actions())
            menu << item->objectName() + ':' + item->text();
        QCOMPARE(menu, QStringList({"PuSoundSpeakEnglish:That's how I speak English",
                                    "PuSoundSpeakRussian:Так я говорю по-русски", "N5:",
                                    "PuSoundAllEnjines:Все голоса",
                                    "PuSoundEnglishEnjines:Английские голоса (рекомендуемые)",
                                    "PuSoundRussianEnjines:Русские голоса (рекомендуемые)", "N1:",
                                    "PuSoundAllDefault:Все голоса настроить по умолчанию",
                                    "PuSoundAllTheSame:Все голоса настроить как текущий"}));
        QVERIFY(sound->PuSoundAllEnjines->isChecked());
    }

    void firstRunShowsAnEnglishAndARussianVoice()
    {
        Window w;
        QCOMPARE(Items(w.sound1->CbMainCopy), QStringList({"Eng A", "Eng B"}));
        QCOMPARE(w.sound1->CbMainCopy->currentIndex(), 0);
        QCOMPARE(Items(w.sound2->CbMainCopy), QStringList({"Rus A", "Rus B"}));
        QCOMPARE(w.sound2->CbMainCopy->currentIndex(), 0);
        QCOMPARE(w.sound1->SbSpeed->value(), 12);
        QCOMPARE(w.sound1->SbVolume->value(), 90);
        QCOMPARE(w.sound2->SbPitch->value(), 12);
        QCOMPARE(w.sound2->BitBtn2->accessibleName(), "Так я говорю по-русски");

        QTest::mouseClick(w.sound2->BitBtn2, Qt::LeftButton);
        QCOMPARE(w.russian->Spoken(), QStringList{"Так я говорю по-русски"});
        QTest::mouseClick(w.sound1->BitBtn2, Qt::LeftButton);
        QCOMPARE(w.english->Spoken(), QStringList{"That's how I speak English"});
    }

    void pickingAVoiceInTheListChoosesItsEngine()
    {
        Window w;
        QVERIFY(w.Activate());
        w.sound1->CbMainCopy->setFocus();
        QTest::keyClick(w.sound1->CbMainCopy, Qt::Key_Down);
        QCOMPARE(w.english->SelectedEngine, 4);
        QCOMPARE(w.foreign.Panel().Data().VoiceIndex, 1);
    }

    void speedReachesTheEngineWhenTheSliderIsLeft()
    {
        Window w;
        QVERIFY(w.Activate());
        w.russian->Calls.clear();
        w.sound2->SbSpeed->setFocus();
        QCOMPARE(w.russian->Calls, QStringList{"AudioReset"});
        QTest::keyClick(w.sound2->SbSpeed, Qt::Key_PageUp);
        QCOMPARE(w.native.Panel().Data().VoiceSettings[3].SpeedPosition, 17);
        QCOMPARE(w.russian->Calls.filter("SetSpeed").size(), 0);

        w.sound2->SbVolume->setFocus();
        QCOMPARE(w.russian->Calls.filter("SetSpeed").last(), QString("SetSpeed %1").arg(75 + 115 * 17 / 100));
    }

    void aValueSetByAScreenReaderReachesTheEngine_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("write");
        QTest::newRow("speed 100") << "SbSpeed" << 100 << "SetSpeed 190";
        QTest::newRow("speed 1") << "SbSpeed" << 1 << QString("SetSpeed %1").arg(75 + 115 * 1 / 100);
        QTest::newRow("pitch 100") << "SbPitch" << 100 << "SetPitch 300";
        QTest::newRow("pitch 1") << "SbPitch" << 1 << QString("SetPitch %1").arg(50 + 250 * 1 / 100);
        QTest::newRow("volume 50") << "SbVolume" << 50 << QString("SetVolumeLeft %1").arg(0xFFFF * 50 / 100);
    }
    // As AT-SPI sets a value: through the accessible value interface, the focus elsewhere.
    void aValueSetByAScreenReaderReachesTheEngine()
    {
        QFETCH(QString, slider);
        QFETCH(int, position);
        QFETCH(QString, write);
        Window w;
        QVERIFY(w.Activate());
        w.sound2->CbMainCopy->setFocus();
        w.russian->Calls.clear();
        auto *control = w.sound2->findChild<QSlider *>(slider);
        QAccessibleValueInterface *value = QAccessible::queryAccessibleInterface(control)->valueInterface();
        QVERIFY(value);
        value->setCurrentValue(position);
        QCOMPARE(control->value(), position);
        QVERIFY2(w.russian->Calls.contains(write), qPrintable(w.russian->Calls.join(", ")));
        QVERIFY(!w.russian->Calls.contains("AudioReset"));
    }

    void popupMatchesTheVoiceAndTheFilter()
    {
        Window w;
        w.sound2->PuSoundPopup();
        QVERIFY(w.sound2->PuSoundSpeakRussian->isVisible());
        QVERIFY(!w.sound2->PuSoundSpeakEnglish->isVisible());
        QVERIFY(w.sound2->PuSoundRussianEnjines->isChecked());
        QVERIFY(!w.sound2->PuSoundAllEnjines->isChecked());

        w.sound2->PuSoundAllEnjines->trigger();
        QCOMPARE(Items(w.sound2->CbMainCopy).size(), 5);
        w.sound2->PuSoundPopup();
        QVERIFY(w.sound2->PuSoundSpeakEnglish->isVisible());
        QVERIFY(w.sound2->PuSoundAllEnjines->isChecked());
    }

    void manufacturerCheckRunsHalfASecondAfterTheVoiceChange()
    {
        Window w;
        QTRY_COMPARE_WITH_TIMEOUT(w.foreign.Panel().SpeedMin(), 33, 2000);
        QCOMPARE(w.native.Panel().SpeedMin(), 75);
    }

    void anEngineFailureEndsOnlyTheHandler()
    {
        Window w;
        w.english->FailingOperations = {"Speak"};
        QTest::mouseClick(w.sound1->BitBtn2, Qt::LeftButton);
        QCOMPARE(w.english->Spoken(), QStringList{"That's how I speak English"});
        w.english->FailingOperations.clear();
        QTest::mouseClick(w.sound1->BitBtn2, Qt::LeftButton);
        QCOMPARE(w.english->Spoken().size(), 2);
    }
};

QTEST_MAIN(TestTSound)
#include "tst_TSound.moc"
