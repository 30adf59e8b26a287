#include "testsupport/ManualTimer.h"
#include "testsupport/ScriptedEngine.h"
#include "voices/LoadSound.h"
#include "voices/VoicePanel.h"
#include <QtTest>
#include <memory>

namespace {

constexpr int German = 1031, Russian = 1049, English = 1033;

ScriptedEngine::Voice MakeVoice(const QString &mode, int languageId, const QString &product = "Scripted",
                                const QString &manufacturer = "Scripted")
{
    return {mode, languageId, manufacturer, product, "Speaker"};
}

// Engines 1 and 4 are English, 3 and 5 Russian, 2 neither.
QList<ScriptedEngine::Voice> FiveVoices()
{
    return {MakeVoice("Eng A", German, "P", "IBM"), MakeVoice("Plain", German), MakeVoice("Rus A", Russian),
            MakeVoice("Eng B", English), MakeVoice("Rus B", Russian)};
}

int Count(const QStringList &calls, const QString &operation)
{
    return int(calls.filter(QRegularExpression('^' + operation + "( |$)")).size());
}

int LastValue(const QStringList &calls, const QString &operation)
{
    const QStringList found = calls.filter(QRegularExpression('^' + operation + ' '));
    return found.isEmpty() ? INT_MIN : found.last().section(' ', 1).toInt();
}


struct Panel {
    explicit Panel(QList<ScriptedEngine::Voice> voices = FiveVoices())
    {
        engine.Voices = std::move(voices);
    }
    ScriptedEngine engine;
    ManualTimer timer;
    VoicePanel panel{engine, timer};

    // Loads the catalogue and defaults and chooses the voice at a position of a filter's list.
    void Choose(int filter, int position = 0)
    {
        if (panel.Sg().RowCount() == 1) {
            panel.LoadSg();
            panel.LoadDefault();
        }
        panel.SetCbLanguageIndex(filter);
        panel.CbLanguageChange();
        if (position != 0)
            panel.CbMainCopyChange(position);
    }
};

}

class TestVoicePanel : public QObject {
    Q_OBJECT

private slots:
    void listAndEngineMapFollowTheFilter_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("engines");
        QTest::newRow("all") << 0 << QStringList{"Eng A", "Plain", "Rus A", "Eng B", "Rus B"}
                             << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("english") << 1 << QStringList{"Eng A", "Eng B"} << QList<int>{1, 4};
        QTest::newRow("russian") << 2 << QStringList{"Rus A", "Rus B"} << QList<int>{3, 5};
        QTest::newRow("unknown filter") << 7 << QStringList{} << QList<int>{};
    }

    void listAndEngineMapFollowTheFilter()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, engines);
        Panel p;
        p.panel.LoadSg();
        p.panel.SetCbLanguageIndex(filter);
        p.panel.LoadCbMain();
        QCOMPARE(p.panel.CbMainItems(), names);
        QCOMPARE(p.panel.Number(), 0);
        for (int k = 0; k < engines.size(); ++k)
            QCOMPARE(p.panel.EngineMap()[filter][k], engines[k]);

        if (engines.isEmpty())
            return;
        p.panel.CbMainCopyChange(int(engines.size()) - 1);
        QCOMPARE(p.panel.Number(), engines.last());
        QCOMPARE(p.engine.SelectedEngine, engines.last());
    }

    void positionMapsOntoTheEngineRange_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("engineMin");
        QTest::addColumn<int>("engineMax");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("speed");
        QTest::newRow("fixed range, 12") << "Digalo" << 0 << 1000 << 12 << 88;
        QTest::newRow("fixed range, 100") << "DIGALO" << 0 << 1000 << 100 << 190;
        QTest::newRow("fixed range, 1") << "DIGALO" << 0 << 1000 << 1 << 76;
        QTest::newRow("engine range") << "P" << 50 << 300 << 50 << 175;
        QTest::newRow("negative range truncates toward zero") << "P" << -10 << 10 << 1 << -10;
        QTest::newRow("negative range, 55") << "P" << -10 << 10 << 55 << 1;
        QTest::newRow("position above 100 clamps") << "P" << 0 << 10 << 250 << 10;
    }

    void positionMapsOntoTheEngineRange()
    {
        QFETCH(QString, product);
        QFETCH(int, engineMin);
        QFETCH(int, engineMax);
        QFETCH(int, position);
        QFETCH(int, speed);
        Panel p({MakeVoice("V", English, product)});
        p.engine.MinSpeedValue = engineMin;
        p.engine.MaxSpeedValue = engineMax;
        p.Choose(0);
        p.panel.MoveSbSpeed(position);
        p.panel.SbSpeedExit();
        QCOMPARE(LastValue(p.engine.Calls, "SetSpeed"), speed);
    }

    void choosingAVoiceAppliesItsThreeSettings()
    {
        Panel p({MakeVoice("V", English, "Digalo")});
        p.Choose(0);
        const QStringList &calls = p.engine.Calls;
        QCOMPARE(LastValue(calls, "SetSpeed"), 88);
        QCOMPARE(LastValue(calls, "SetPitch"), 80 + 120 * 12 / 100);
        QCOMPARE(LastValue(calls, "SetVolumeLeft"), 0xFFFF * 90 / 100);
        QCOMPARE(LastValue(calls, "SetVolumeRight"), 0xFFFF * 90 / 100);
        QVERIFY(calls.indexOf("Select 1") < calls.indexOf("SetSpeed 88"));
        QCOMPARE(p.panel.UdSpeed(), 12);
        QCOMPARE(p.panel.UdPitch(), 12);
    }

    void positionsAreKeptPerVoiceAcrossFilterChanges()
    {
        Panel p;
        p.Choose(0, 3);  // engine 4, English
        p.panel.MoveSbSpeed(40);
        p.panel.SbSpeedExit();
        p.panel.MoveSbPitch(70);
        p.panel.CbMainCopyChange(2);  // engine 3
        QCOMPARE(p.panel.SbSpeedPosition(), 12);

        p.panel.PuSoundEnglishEnjinesClick();
        p.panel.CbMainCopyChange(1);  // engine 4 again, now at position 1
        QCOMPARE(p.panel.Number(), 4);
        QCOMPARE(p.panel.SbSpeedPosition(), 40);
        QCOMPARE(p.panel.SbPitchPosition(), 70);
        QCOMPARE(p.panel.Data().VoiceSettings[4], (VoiceSetting{40, 90, 70}));
        QCOMPARE(p.panel.Data().VoiceSettings[3], (VoiceSetting{12, 90, 12}));
        QCOMPARE(p.panel.Data().LanguageFilter, 1);
        QCOMPARE(p.panel.Data().VoiceIndex, 1);
    }

    void allTheSameCopiesTheCurrentVoiceEverywhere()
    {
        Panel p;
        p.Choose(0);
        p.panel.MoveSbSpeed(33);
        p.panel.MoveSbVolume(44);
        p.panel.MoveSbPitch(55);
        const int callsBefore = int(p.engine.Calls.size());
        p.panel.PuSoundAllTheSameClick();
        QCOMPARE(p.engine.Calls.size(), callsBefore);

        for (const VoiceSetting &setting : p.panel.Data().VoiceSettings)
            QCOMPARE(setting, (VoiceSetting{33, 44, 55}));
        p.panel.CbMainCopyChange(4);
        QCOMPARE(p.panel.SbSpeedPosition(), 33);
        QCOMPARE(p.panel.SbVolumePosition(), 44);
        QCOMPARE(p.panel.SbPitchPosition(), 55);
    }

    void allDefaultRestoresTheDefaultsAndKeepsTheVoice()
    {
        Panel p;
        p.Choose(2, 1);
        p.panel.MoveSbSpeed(70);
        p.panel.PuSoundAllDefaultClick();
        QCOMPARE(p.panel.Number(), 5);
        QCOMPARE(p.panel.SbSpeedPosition(), 12);
        QCOMPARE(p.panel.Data().VoiceSettings[5], (VoiceSetting{12, 90, 12}));
    }

    void refusedWritesAreRetriedThenDropped()
    {
        Panel p;
        p.engine.FailingOperations = {"SetSpeed", "SetPitch"};
        p.Choose(0);
        QCOMPARE(Count(p.engine.Calls, "SetSpeed"), 11);
        QCOMPARE(Count(p.engine.Calls, "SetPitch"), 5);
        QVERIFY(Count(p.engine.Calls, "SetVolumeLeft") > 0);

        p.engine.Calls.clear();
        p.panel.MoveSbSpeed(30);
        p.panel.SbSpeedExit();
        QCOMPARE(Count(p.engine.Calls, "SetSpeed"), 11);
        QCOMPARE(p.panel.Data().VoiceSettings[1].SpeedPosition, 30);
        QCOMPARE(p.panel.UdSpeed(), 30);
    }

    void aRefusedVolumeKeepsItsOldPosition()
    {
        Panel p;
        p.Choose(0);
        p.engine.FailingOperations = {"SetVolumeLeft"};
        p.panel.MoveSbVolume(50);
        QCOMPARE(p.panel.Data().VoiceSettings[1].VolumePosition, 90);
    }

    void manufacturerCheckLowersTheSpeedRange()
    {
        Panel p({MakeVoice("V", English, "P", "at&t")});
        QVERIFY(p.timer.Enabled());
        QCOMPARE(p.timer.Interval(), 500);
        p.Choose(0);
        p.timer.Fire();
        QVERIFY(!p.timer.Enabled());
        QCOMPARE(p.panel.SpeedMin(), 33);
        const QStringList writes = p.engine.Calls.filter(QRegularExpression("^SetSpeed "));
        QCOMPARE(writes.mid(writes.size() - 2),
                 QStringList({"SetSpeed 89", QString("SetSpeed %1").arg(33 + (190 - 33) * 12 / 100)}));
    }

    void manufacturerCheckLeavesOtherVoicesAlone()
    {
        Panel p;
        p.Choose(0);
        p.timer.Fire();
        const QStringList calls = p.engine.Calls;
        p.timer.Fire();
        QCOMPARE(p.engine.Calls, calls);
        QCOMPARE(p.panel.SpeedMin(), 75);
    }

    void testPhraseFollowsTheVoiceLanguage()
    {
        Panel p;
        p.Choose(2);
        p.panel.BtHowISpeakClick();
        QCOMPARE(p.engine.Spoken().last(), "Так я говорю по-русски");
        p.panel.PuSoundSpeakEnglishClick();
        QCOMPARE(p.engine.Spoken().last(), "That's how I speak English");
        p.panel.PuSoundAllEnjinesClick();  // engine 1, English
        QVERIFY(!p.panel.IsRussianVoice());
        p.panel.BtHowISpeakClick();
        QCOMPARE(p.engine.Spoken().last(), "That's how I speak English");
    }

    void testPhraseSoundsAsTheSlidersStand_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("the test button") << 0;
        QTest::newRow("the English phrase of the popup") << 1;
        QTest::newRow("the Russian phrase of the popup") << 2;
    }
    // The sliders are moved but not left: their positions reach the engine before the phrase.
    void testPhraseSoundsAsTheSlidersStand()
    {
        QFETCH(int, command);
        Panel p;
        p.Choose(2);
        p.panel.MoveSbSpeed(100);
        p.panel.MoveSbPitch(1);
        p.engine.Calls.clear();
        void (VoicePanel::*const commands[])() = {&VoicePanel::BtHowISpeakClick, &VoicePanel::PuSoundSpeakEnglishClick,
                                                  &VoicePanel::PuSoundSpeakRussianClick};
        (p.panel.*commands[command])();

        const QStringList calls = p.engine.Calls;
        QCOMPARE(calls.first(), "AudioReset");
        QVERIFY(calls.last().startsWith("Speak "));
        QCOMPARE(LastValue(calls, "SetSpeed"), 190);
        QCOMPARE(LastValue(calls, "SetPitch"), 50 + 250 * 1 / 100);
        QCOMPARE(p.panel.Data().VoiceSettings[3].SpeedPosition, 100);
        QCOMPARE(p.panel.UdPitch(), 1);
    }

    void choosingTheCurrentFilterChangesNothing()
    {
        Panel p;
        p.Choose(1, 1);
        const QStringList calls = p.engine.Calls;
        p.panel.PuSoundEnglishEnjinesClick();
        QCOMPARE(p.engine.Calls, calls);
        QCOMPARE(p.panel.Number(), 4);
    }

    void aStoredRecordIsAppliedWithoutChecks()
    {
        Panel p;
        p.panel.LoadSg();
        SoundData data;
        data.LanguageFilter = 1;
        data.VoiceIndex = 1;
        data.VoiceSettings[4] = {150, -3, 20};
        p.panel.SetData(data);
        p.panel.SoundDataToSetting();
        QCOMPARE(p.panel.Number(), 4);
        QCOMPARE(p.panel.SbSpeedPosition(), 100);
        QCOMPARE(p.panel.SbVolumePosition(), 1);
        QCOMPARE(p.panel.SbPitchPosition(), 20);
    }

    void aStoredVoiceBeyondTheListChoosesNone()
    {
        Panel p;
        p.panel.LoadSg();
        SoundData data;
        data.LanguageFilter = 1;
        data.VoiceIndex = 9;
        p.panel.SetData(data);
        p.panel.SoundDataToSetting();
        QCOMPARE(p.panel.CbMainItems().size(), 2);
        QCOMPARE(p.panel.CbMainIndex(), -1);
        QCOMPARE(p.panel.Number(), 0);
        QVERIFY(p.engine.Calls.contains("Select 0"));
    }

    void firstRunChoosesAnEnglishAndARussianVoice()
    {
        Panel one, two;
        LoadSound(one.panel, two.panel, true, {}, {});
        QCOMPARE(one.panel.CbMainItems(), QStringList({"Eng A", "Eng B"}));
        QCOMPARE(two.panel.CbMainItems(), QStringList({"Rus A", "Rus B"}));
        QCOMPARE(one.engine.SelectedEngine, 1);
        QCOMPARE(two.engine.SelectedEngine, 3);
        QCOMPARE(two.panel.Sg(), one.panel.Sg());
        QCOMPARE(Count(two.engine.Calls, "EngineCount"), 0);
        for (const Panel *p : {&one, &two})
            for (const VoiceSetting &setting : p->panel.Data().VoiceSettings)
                QCOMPARE(setting, (VoiceSetting{12, 90, 12}));
    }

    void firstRunTagsVoicesByTheirLanguage()
    {
        const QList<ScriptedEngine::Voice> voices{MakeVoice("Afrikaans", 1078), MakeVoice("English (Great Britain)", 0x0809),
                                                  MakeVoice("Russian", Russian)};
        Panel one(voices), two(voices);
        LoadSound(one.panel, two.panel, true, {}, {});
        QCOMPARE(one.panel.CbMainItems(), QStringList{"English (Great Britain)"});
        QCOMPARE(one.engine.SelectedEngine, 2);
        QCOMPARE(two.panel.CbMainItems(), QStringList{"Russian"});
        QVERIFY(two.panel.IsRussianVoice());
        two.panel.BtHowISpeakClick();
        QCOMPARE(two.engine.Spoken(), QStringList{"Так я говорю по-русски"});
    }

    void savedRecordsAreAppliedToTheirPanels()
    {
        SoundData english, russian;
        english.LanguageFilter = 2;
        english.VoiceIndex = 1;
        english.VoiceSettings[5] = {40, 50, 60};
        russian.VoiceIndex = 1;
        Panel one, two;
        LoadSound(one.panel, two.panel, false, english.ToBytes(), russian.ToBytes());
        QCOMPARE(one.panel.Number(), 5);
        QCOMPARE(one.panel.SbSpeedPosition(), 40);
        QCOMPARE(one.panel.SbVolumePosition(), 50);
        QCOMPARE(one.panel.SbPitchPosition(), 60);
        QCOMPARE(two.panel.Number(), 2);
        QCOMPARE(two.panel.CbMainItems().size(), 5);
    }

    void aShortRecordFallsBackToTheFirstRunChoice()
    {
        Panel one, two;
        LoadSound(one.panel, two.panel, false, SoundData().ToBytes(), QByteArray(100, '\0'));
        QCOMPARE(one.panel.CbLanguageIndex(), 0);
        QCOMPARE(two.panel.CbLanguageIndex(), 2);
        QCOMPARE(two.panel.Number(), 3);
    }

    void engineFailuresDoNotEndTheStartUp()
    {
        Panel one, two;
        one.engine.FailingLanguageOf = 3;  // the catalogue stops at the first Russian voice
        two.engine.FailingLanguageOf = 3;
        LoadSound(one.panel, two.panel, true, {}, {});
        QCOMPARE(one.panel.Sg().RowCount(), 4);
        QCOMPARE(one.panel.Number(), 1);
        QVERIFY(two.panel.CbMainItems().isEmpty());
        QCOMPARE(two.panel.Number(), 0);
    }
};

QTEST_GUILESS_MAIN(TestVoicePanel)
#include "tst_VoicePanel.moc"
