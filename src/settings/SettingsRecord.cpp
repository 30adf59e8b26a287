#include "settings/SettingsRecord.h"

std::optional<SettingsRecord> SettingsRecord::FromBytes(QByteArrayView data)
{
    if (auto image = RecordImage::FromBytes(data))
        return SettingsRecord(*image);
    return std::nullopt;
}

FontRecord SettingsRecord::Font(SettingsField field) const
{
    Q_ASSERT(Row(field).type == FieldType::Font);
    return *FontRecord::FromBytes(Block(field));
}

void SettingsRecord::SetFont(SettingsField field, const FontRecord &font)
{
    Q_ASSERT(Row(field).type == FieldType::Font);
    SetBlock(field, font.Bytes());
}

OptionsRecord SettingsRecord::Options() const
{
    return *OptionsRecord::FromBytes(Block(SettingsField::Options));
}

void SettingsRecord::SetOptions(const OptionsRecord &options)
{
    SetBlock(SettingsField::Options, options.Bytes());
}

int SettingsRecord::Option(OptionField field) const
{
    return Options().ControlValue(field);
}

void SettingsRecord::SetOption(OptionField field, int value)
{
    OptionsRecord options = Options();
    options.SetControlValue(field, value);
    SetOptions(options);
}

QByteArray SettingsRecord::SoundData(SettingsField panel) const
{
    Q_ASSERT(Row(panel).type == FieldType::SoundData);
    return Block(panel);
}

bool SettingsRecord::SetSoundData(SettingsField panel, QByteArrayView data)
{
    Q_ASSERT(Row(panel).type == FieldType::SoundData);
    return SetBlock(panel, data);
}

SettingsRecord DefaultSettings()
{
    SettingsRecord record = SettingsRecord::FirstRun();
    record.SetOptions(OptionsRecord::FirstRun());
    for (const auto &row : kSettingsFields) {
        if (row.firstRunFont)
            record.SetFont(row.field, FontToRecord(FontFromValues(*row.firstRunFont)));
    }
    return record;
}
