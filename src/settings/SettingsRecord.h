#pragma once
#include "settings/FontRecord.h"
#include "settings/OptionsRecord.h"

// The image of "Data.dat": 8180 bytes, read whole at start and written whole at exit, and in
// between the live store of the settings that commands change. Fields are read and written by
// name (see SettingsFields.h); the two voice panels' records are kept as raw bytes for the voice
// panels to decode.
class SettingsRecord : public RecordImage<SettingsField, kSettingsRecordSize> {
public:
    SettingsRecord() = default;
    SettingsRecord(const RecordImage &image) : RecordImage(image) {}

    static std::optional<SettingsRecord> FromBytes(QByteArrayView data);

    FontRecord Font(SettingsField field) const;
    void SetFont(SettingsField field, const FontRecord &font);

    OptionsRecord Options() const;
    void SetOptions(const OptionsRecord &options);
    // One option as its control shows it (see ControlValue), and storing what a control shows.
    int Option(OptionField field) const;
    void SetOption(OptionField field, int value);

    // A voice panel's 3620-byte record (Sound1 or Sound2).
    QByteArray SoundData(SettingsField panel) const;
    // Nothing is changed unless data holds exactly 3620 bytes.
    bool SetSoundData(SettingsField panel, QByteArrayView data);
};

// The record of a first run: every field at its first-run value, the voice panels' records zero.
SettingsRecord DefaultSettings();
