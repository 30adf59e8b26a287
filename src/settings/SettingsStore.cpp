#include "settings/SettingsStore.h"
#include "platform/Guarded.h"
#include "settings/AtomicFile.h"
#include "settings/TextEncoding.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void MakeWritable(const QString &path)
{
    QFile file(path);
    if (file.exists())
        file.setPermissions(file.permissions() | QFile::WriteOwner | QFile::WriteUser);
}

void GatherPositionsAndOptions(SettingsRecord &record, const SettingsControls &controls)
{
    for (const auto &[field, control] : controls.numbers) {
        if (control.get)
            record.SetControlValue(field, control.get());
    }
    OptionsRecord options = record.Options();
    GatherOptions(controls, options);
    record.SetOptions(options);
}

void GatherVoicesAndPlacement(SettingsRecord &record, const SettingsControls &controls)
{
    for (const auto &panel : controls.soundData)
        Guarded("keep a voice panel's record", [&] { record.SetSoundData(panel.first, panel.second()); });
    if (controls.window.get)
        StorePlacement(record, controls.window.get());
}

}  // namespace

SettingsStore::SettingsStore(const QString &programFolder)
    : folder(QDir(programFolder).absolutePath() + '/')
{
}

void SettingsStore::MakeFilesWritable() const
{
    for (const QString &path : {LastEditPath(), SettingsPath(), TempPath(), HelpPath()})
        MakeWritable(path);
}

void SettingsStore::Restore(const SettingsControls &controls)
{
    const auto read = ReadSettings(SettingsPath());
    loadFailed = !read;
    record = read ? *read : DefaultSettings();
    ApplyOptions(record.Options(), controls);
    ApplyAppearance(record, controls);
}

std::optional<QString> SettingsStore::LastText() const
{
    return ReadLastEdit(LastEditPath());
}

bool SettingsStore::WriteLastText(const QString &text, QString *reason) const
{
    return WriteFileAtomically(LastEditPath(), text.toUtf8(), reason);
}

void SettingsStore::CloseQuery(int selStart, int selLength)
{
    record.SetInt(SettingsField::SelStart, selStart);
    record.SetInt(SettingsField::SelLength, selLength);
}

bool SettingsStore::SaveAtExit(const SettingsControls &controls)
{
    const bool textWritten = !controls.text || WriteLastEdit(LastEditPath(), controls.text());
    GatherPositionsAndOptions(record, controls);
    if (controls.stopVoices)
        Guarded("stop the voices", controls.stopVoices);
    GatherVoicesAndPlacement(record, controls);
    return WriteSettings(SettingsPath(), record) && textWritten;
}

SettingsRecord SettingsStore::Gathered(const SettingsControls &controls) const
{
    SettingsRecord gathered = record;
    GatherPositionsAndOptions(gathered, controls);
    GatherVoicesAndPlacement(gathered, controls);
    return gathered;
}

std::optional<SettingsRecord> SettingsStore::ReadSettings(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return std::nullopt;
    return SettingsRecord::FromBytes(file.read(kSettingsRecordSize));
}

bool SettingsStore::WriteSettings(const QString &path, const SettingsRecord &record)
{
    return WriteFileAtomically(path, record.Bytes());
}

std::optional<QString> SettingsStore::ReadLastEdit(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeUtf8Or1251(file.readAll());
}

bool SettingsStore::WriteLastEdit(const QString &path, const QString &text)
{
    return WriteFileAtomically(path, text.toUtf8());
}
