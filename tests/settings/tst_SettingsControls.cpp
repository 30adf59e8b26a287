#include "RecordingControls.h"
#include "settings/SettingsControls.h"
#include <QTest>

class TestSettingsControls : public QObject {
    Q_OBJECT

private slots:
    void optionsAreAppliedInOrderThenSoundIsEnabled()
    {
        RecordingControls controls;
        ApplyOptions(DefaultSettings().Options(), controls.Bind());
        QCOMPARE(controls.log, QStringList({"UdLongWord=0", "UdEndOfSentence=0", "UdComma=0", "UdLetters=8",
                                            "UdBack=20", "UpDown1=1", "CbLangApart=1", "CbAutoBuffer=1",
                                            "CbIgnoreLong=1", "RgLangs=3", "AcSoundEnables"}));
    }

    void checkBoxesAndRadioGroupAreSetOnlyWhenTheyChange()
    {
        RecordingControls controls;
        controls.options[OptionField::CbLangApart] = 1;
        controls.options[OptionField::CbNonStop] = 1;
        controls.options[OptionField::RgLangs] = 3;
        OptionsRecord options = DefaultSettings().Options();
        ApplyOptions(options, controls.Bind());
        QVERIFY(!controls.log.contains("CbLangApart=1"));
        QVERIFY(!controls.log.contains("RgLangs=3"));
        QVERIFY(controls.log.contains("CbNonStop=0"));
        QVERIFY(controls.log.contains("UdLongWord=0"));  // up-downs are always set
    }

    void radioGroupAboveItsItemsSelectsTheLast()
    {
        RecordingControls controls;
        OptionsRecord options = DefaultSettings().Options();
        options.SetByte(OptionField::RgLangs, 9);
        controls.options[OptionField::RgLangs] = 0;
        const SettingsControls bound = controls.Bind();
        ApplyOptions(options, bound);
        QCOMPARE(controls.options[OptionField::RgLangs], 3);
        GatherOptions(bound, options);
        QCOMPARE(options.Byte(OptionField::RgLangs), quint8(3));
    }

    void gatheringTouchesOnlyBoundFieldsAndNoReservedByte()
    {
        OptionsRecord options = *OptionsRecord::FromBytes(QByteArray(56, char(0x5A)));
        RecordingControls controls;
        controls.options[OptionField::UdLetters] = 40;
        controls.options[OptionField::CbAutoStop] = 1;
        SettingsControls bound = controls.Bind();
        for (auto field : {OptionField::UdLongWord, OptionField::UdEndOfSentence, OptionField::UdComma,
                           OptionField::UdBack, OptionField::UpDown1, OptionField::CbAutoActive,
                           OptionField::CbNonStop, OptionField::CbAutoBuffer, OptionField::CbIgnoreLong,
                           OptionField::CbLangApart, OptionField::RgLangs})
            bound.options.erase(field);
        GatherOptions(bound, options);
        QByteArray expected(56, char(0x5A));
        expected.replace(12, 4, QByteArray("\x28\0\0\0", 4));
        expected[48] = 1;
        QCOMPARE(options.Bytes(), expected);
    }

    void appearanceIsAppliedInOrder()
    {
        RecordingControls controls;
        SettingsRecord record = DefaultSettings();
        ApplyAppearance(record, controls.Bind());
        QCOMPARE(controls.log, QStringList({"window=0", "text font=12", "text background=9803157",
                                            "display background=5065984", "HighlightBackColor=6842472",
                                            "HighlightTextColor=65535", "Indicators1=1", "display font=36",
                                            "UdLength=1", "UdDelay=200", "AcDelay", "MnTaCenter=0", "MnFind1=0"}));
        QCOMPARE(controls.window, kDesignedPlacement);
        QCOMPARE(controls.fonts[SettingsField::DisplayFont].colour, MakeColorRef(192, 192, 192));
    }

    void appearanceSetsAutoActivationLastWhenItDiffers()
    {
        RecordingControls controls;
        SettingsRecord record = DefaultSettings();
        record.SetOption(OptionField::CbAutoActive, 1);
        ApplyAppearance(record, controls.Bind());
        QCOMPARE(controls.log.last(), QString("CbAutoActive=1"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsControls)
#include "tst_SettingsControls.moc"
