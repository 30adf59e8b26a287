// libFuzzer target: any bytes, taken as "Data.dat", as a patch over the first-run record, or as
// text, decode, apply to the controls, gather and encode without a crash, and the result keeps
// the invariants checked below.
#include "RecordingControls.h"
#include "settings/SettingsControls.h"
#include "settings/SystemColour.h"
#include "testsupport/FuzzCheck.h"
#include <cstdint>

namespace {

SettingsRecord RecordFrom(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.empty() || bytes[0] % 2 == 0) {
        const auto read = SettingsRecord::FromBytes(bytes.empty() ? bytes : bytes.sliced(1));
        return read ? *read : DefaultSettings();
    }
    QByteArray image = DefaultSettings().Bytes();
    if (bytes.size() >= 3) {
        const int offset = (quint8(bytes[1]) | quint8(bytes[2]) << 8) % kSettingsRecordSize;
        const QByteArrayView patch = bytes.sliced(3).first(qMin<qsizetype>(bytes.size() - 3, kSettingsRecordSize - offset));
        image.replace(offset, patch.size(), patch.toByteArray());
    }
    return *SettingsRecord::FromBytes(image);
}

RecordingControls Applied(SettingsRecord &record)
{
    RecordingControls controls;
    const SettingsControls bound = controls.Bind();
    ApplyOptions(record.Options(), bound);
    ApplyAppearance(record, bound);
    return controls;
}

void CheckWithinRanges(RecordingControls &controls)
{
    for (const auto &row : kOptionFields) {
        if (row.HasRange())
            Check(controls.options[row.field] >= row.min && controls.options[row.field] <= row.max, row.name);
        else if (row.type == FieldType::Flag)
            Check(controls.options[row.field] == 0 || controls.options[row.field] == 1, row.name);
    }
    for (auto field : {SettingsField::UdLength, SettingsField::UdDelay}) {
        const auto &row = Row(field);
        Check(controls.numbers[field] >= row.min && controls.numbers[field] <= row.max, row.name);
    }
    for (auto &[field, font] : controls.fonts) {
        const int points = PointSizeToShow(font);
        Check(points >= kMinPointSize && points <= kMaxPointSize, "point size");
        Check(font.name.toUtf8().size() <= 255 * 3, "font name");
    }
    const WindowPlacement &window = controls.window;
    Check(window == kDesignedPlacement || window.bounds.Intersects(controls.desktop), "window on the desktop");
    Check(window.bounds.width <= controls.desktop.width && window.bounds.height <= controls.desktop.height, "window size");
}

// What the exit stores, from controls the user did not touch.
void Gathered(SettingsRecord &record, RecordingControls &controls)
{
    OptionsRecord options = record.Options();
    GatherOptions(controls.Bind(), options);
    record.SetOptions(options);
    record.SetControlValue(SettingsField::UdLength, controls.numbers[SettingsField::UdLength]);
    record.SetControlValue(SettingsField::UdDelay, controls.numbers[SettingsField::UdDelay]);
    StorePlacement(record, controls.window);
    record.SetText(SettingsField::LastFolder, record.Text(SettingsField::LastFolder));
    for (auto field : {SettingsField::TextFont, SettingsField::DisplayFont})
        record.SetFont(field, FontToRecord(FontFromRecord(record.Font(field))));
    for (auto field : {SettingsField::TextBackground, SettingsField::DisplayBackground,
                       SettingsField::HighlightTextColor, SettingsField::HighlightBackColor})
        SystemColourRole(record.Colour(field));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = DecodeUtf8Or1251(bytes);
    Check(EncodeUtf8Within(text, 255).size() <= 255, "short string length");

    SettingsRecord record = RecordFrom(data, size);
    const SettingsRecord read = record;
    RecordingControls controls = Applied(record);
    CheckWithinRanges(controls);
    Gathered(record, controls);

    const QByteArray written = record.Bytes();
    Check(written.size() == kSettingsRecordSize, "record size");
    for (const auto &row : kSettingsFields) {
        if (row.type == FieldType::Reserved || row.type == FieldType::SoundData)
            Check(record.Block(row.field) == read.Block(row.field), row.name);
    }
    for (const auto &row : kOptionFields) {
        if (row.type == FieldType::Reserved)
            Check(record.Options().Block(row.field) == read.Options().Block(row.field), row.name);
    }

    SettingsRecord reread = *SettingsRecord::FromBytes(written);
    RecordingControls again = Applied(reread);
    Check(again.options == controls.options, "options survive a second run");
    Check(again.numbers == controls.numbers, "positions survive a second run");
    Check(again.window == controls.window, "window survives a second run");
    return 0;
}
