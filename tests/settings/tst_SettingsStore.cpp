#include "RecordingControls.h"
#include "testsupport/TestTexts.h"
#include "settings/SettingsStore.h"
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A record as another writer may leave it: every field in range, but junk in every reserved byte,
// behind the folder name and inside the voice panels' records.
SettingsRecord ForeignRecord()
{
    QRandomGenerator random(42);
    QByteArray junk(kSettingsRecordSize, Qt::Uninitialized);
    for (char &b : junk)
        b = char(random.bounded(1, 256));
    SettingsRecord record = *SettingsRecord::FromBytes(junk);
    const SettingsRecord designed = DefaultSettings();
    for (const auto &row : kSettingsFields) {
        if (row.type == FieldType::Int || row.type == FieldType::Byte || row.type == FieldType::Flag
            || row.type == FieldType::Colour || row.type == FieldType::Font)
            record.SetBlock(row.field, designed.Block(row.field));
    }
    OptionsRecord options = record.Options();
    for (const auto &row : kOptionFields) {
        if (row.type != FieldType::Reserved)
            options.SetBlock(row.field, designed.Options().Block(row.field));
    }
    options.SetInt(OptionField::UdLetters, 33);
    options.SetByte(OptionField::RgLangs, 1);
    record.SetOptions(options);
    record.SetText(SettingsField::LastFolder, "C:\\Texts");
    StorePlacement(record, {{200, 150, 800, 500}, WindowState::Normal, BorderStyle::Sizeable});
    record.SetInt(SettingsField::UdDelay, 3500);
    record.SetInt(SettingsField::SelStart, 12);
    record.SetInt(SettingsField::SelLength, 3);
    return record;
}

// The controls after a run in which the user changed nothing: they hold what was applied, the
// voice panels their records and the window its placement.
void RunUnchanged(SettingsStore &store, RecordingControls &controls)
{
    SettingsControls bound = controls.Bind();
    store.Restore(bound);
    for (auto panel : {SettingsField::Sound1, SettingsField::Sound2})
        controls.soundData[panel] = store.Record().SoundData(panel);
    store.CloseQuery(store.Record().Int(SettingsField::SelStart), store.Record().Int(SettingsField::SelLength));
    QVERIFY(store.SaveAtExit(bound));
}

}  // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString path(const char *name) const { return folder.filePath(name); }

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
    }

    void aFirstStartUsesTheFirstRunValuesAndSavesThem()
    {
        SettingsStore store(folder.path());
        RecordingControls controls;
        controls.text = "Первая строка\r\nвторая";
        SettingsControls bound = controls.Bind();
        store.Restore(bound);
        QVERIFY(store.SettingsLoadFailed());
        QCOMPARE(store.Record(), DefaultSettings());
        QCOMPARE(controls.options[OptionField::UdLetters], 8);
        QVERIFY(!store.LastText());

        QVERIFY(store.SaveAtExit(bound));
        SettingsRecord expected = DefaultSettings();
        StorePlacement(expected, kDesignedPlacement);
        QCOMPARE(ReadAll(path("Data.dat")), expected.Bytes());
        QCOMPARE(ReadAll(path("LastEdit")), QString("Первая строка\r\nвторая").toUtf8());
        QCOMPARE(SettingsStore(folder.path()).LastText(), controls.text);
    }

    void aRunThatChangesNothingLeavesTheFileByteForByte()
    {
        const SettingsRecord foreign = ForeignRecord();
        WriteAll(path("Data.dat"), foreign.Bytes());
        SettingsStore store(folder.path());
        RecordingControls controls;
        RunUnchanged(store, controls);
        QVERIFY(!store.SettingsLoadFailed());
        QCOMPARE(controls.options[OptionField::UdLetters], 33);
        QCOMPARE(controls.numbers[SettingsField::UdDelay], 3500);
        QCOMPARE(ReadAll(path("Data.dat")), foreign.Bytes());
    }

    void reservedBytesOfAnotherWriterSurviveChanges()
    {
        const SettingsRecord foreign = ForeignRecord();
        WriteAll(path("Data.dat"), foreign.Bytes());
        SettingsStore store(folder.path());
        RecordingControls controls;
        SettingsControls bound = controls.Bind();
        store.Restore(bound);
        controls.options[OptionField::UdBack] = 77;
        controls.options[OptionField::CbNonStop] = 1;
        controls.numbers[SettingsField::UdLength] = 12;
        controls.window = {{300, 200, 640, 480}, WindowState::Normal, BorderStyle::Sizeable};
        QVERIFY(store.SaveAtExit(bound));

        const auto saved = SettingsRecord::FromBytes(ReadAll(path("Data.dat")));
        QVERIFY(saved);
        for (auto field : {SettingsField::Reserved20, SettingsField::Reserved39, SettingsField::Reserved872})
            QCOMPARE(saved->Block(field), foreign.Block(field));
        for (auto field : {OptionField::Reserved24, OptionField::Reserved42, OptionField::Reserved47,
                           OptionField::Reserved51, OptionField::Reserved53})
            QCOMPARE(saved->Options().Block(field), foreign.Options().Block(field));
        QCOMPARE(saved->Options().Int(OptionField::UdBack), 77);
        QVERIFY(saved->Options().Flag(OptionField::CbNonStop));
        QCOMPARE(saved->Int(SettingsField::UdLength), 12);
        QCOMPARE(saved->Int(SettingsField::WindowWidth), 640);
    }

    void aFileOneByteShortIsRejectedWhole()
    {
        WriteAll(path("Data.dat"), ForeignRecord().Bytes().left(8179));
        SettingsStore store(folder.path());
        RecordingControls controls;
        store.Restore(controls.Bind());
        QVERIFY(store.SettingsLoadFailed());
        QCOMPARE(store.Record(), DefaultSettings());
        QCOMPARE(controls.options[OptionField::UdLetters], 8);
    }

    void aLongerFileIsAcceptedAndItsTailIsGoneAfterTheNextExit()
    {
        const SettingsRecord foreign = ForeignRecord();
        WriteAll(path("Data.dat"), foreign.Bytes() + QByteArray(820, 'T'));
        SettingsStore store(folder.path());
        RecordingControls controls;
        RunUnchanged(store, controls);
        QVERIFY(!store.SettingsLoadFailed());
        QCOMPARE(ReadAll(path("Data.dat")), foreign.Bytes());
    }

    void settingsAreSavedWhenTheTextCannotBe()
    {
        QDir().mkdir(path("LastEdit"));
        SettingsStore store(folder.path());
        RecordingControls controls;
        controls.text = "text";
        SettingsControls bound = controls.Bind();
        store.Restore(bound);
        QVERIFY(!store.SaveAtExit(bound));
        QCOMPARE(ReadAll(path("Data.dat")).size(), 8180);
    }

    void theTextIsSavedWhenTheSettingsCannotBe()
    {
        QDir().mkdir(path("Data.dat"));
        SettingsStore store(folder.path());
        RecordingControls controls;
        controls.text = "text";
        SettingsControls bound = controls.Bind();
        store.Restore(bound);
        QVERIFY(store.SettingsLoadFailed());
        QVERIFY(!store.SaveAtExit(bound));
        QCOMPARE(ReadAll(path("LastEdit")), QByteArray("text"));
    }

    void exitStoresSelectionPositionsCheckMarksOptionsAndVoicePanels()
    {
        SettingsStore store(folder.path());
        RecordingControls controls;
        SettingsControls bound = controls.Bind();
        store.Restore(bound);
        controls.numbers[SettingsField::UdLength] = 7;
        controls.numbers[SettingsField::UdDelay] = 600;
        controls.numbers[SettingsField::Indicators1] = 0;
        controls.options[OptionField::UpDown1] = 4;
        controls.soundData[SettingsField::Sound1] = QByteArray(3620, '\x01');
        controls.soundData[SettingsField::Sound2] = QByteArray(3620, '\x02');
        store.CloseQuery(1234, 56);
        QVERIFY(store.SaveAtExit(bound));
        const QByteArray saved = ReadAll(path("Data.dat"));
        const auto record = SettingsRecord::FromBytes(saved);
        QCOMPARE(record->Int(SettingsField::SelStart), 1234);
        QCOMPARE(record->Int(SettingsField::SelLength), 56);
        QCOMPARE(record->Int(SettingsField::UdLength), 7);
        QCOMPARE(record->Int(SettingsField::UdDelay), 600);
        QVERIFY(!record->Flag(SettingsField::Indicators1));
        QCOMPARE(record->Option(OptionField::UpDown1), 4);
        QCOMPARE(saved.mid(940, 3620), QByteArray(3620, '\x01'));
        QCOMPARE(saved.mid(4560, 3620), QByteArray(3620, '\x02'));
    }

    void failingVoicesDoNotStopTheSave()
    {
        SettingsStore store(folder.path());
        RecordingControls controls;
        SettingsControls bound = controls.Bind();
        store.Restore(bound);
        bound.stopVoices = [] { throw std::runtime_error("engine gone"); };
        bound.soundData[SettingsField::Sound1] = []() -> QByteArray { throw std::runtime_error("panel gone"); };
        controls.soundData[SettingsField::Sound2] = QByteArray(3620, '\x07');
        QVERIFY(store.SaveAtExit(bound));
        const QByteArray saved = ReadAll(path("Data.dat"));
        QCOMPARE(saved.mid(940, 3620), QByteArray(3620, '\0'));
        QCOMPARE(saved.mid(4560, 3620), QByteArray(3620, '\x07'));
    }

    // What is kept while running: a first run's record with the voices it has found by now.
    void whileRunningTheRecordIsGatheredAsTheExitWouldWithoutStoppingTheVoices()
    {
        SettingsStore store(folder.path());
        RecordingControls controls;
        SettingsControls bound = controls.Bind();
        store.Restore(bound);
        bound.stopVoices = [] { QFAIL("the voices were stopped"); };
        controls.options[OptionField::UpDown1] = 4;
        controls.soundData[SettingsField::Sound1] = QByteArray(3620, '\x01');
        const SettingsRecord gathered = store.Gathered(bound);
        QCOMPARE(gathered.Option(OptionField::UpDown1), 4);
        QCOMPARE(gathered.SoundData(SettingsField::Sound1), QByteArray(3620, '\x01'));
        QCOMPARE(store.Record().SoundData(SettingsField::Sound1), QByteArray(3620, '\0'));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_SettingsStore.moc"
