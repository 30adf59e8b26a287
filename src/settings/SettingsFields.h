#pragma once
#include "platform/ColorRef.h"
#include <QtGlobal>
#include <cstddef>
#include <iterator>

// The layouts of "Data.dat" and of the records inside it, as tables of fields. The codec reads and
// writes a field only through its row here; no offset appears anywhere else.

enum class FieldType : quint8 {
    Int,          // 32-bit signed, little-endian
    Byte,         // unsigned
    Flag,         // one byte: 0 false, anything else true; written as 0 or 1
    Colour,       // 32-bit ColorRef: 0x00BBGGRR, or 0x80000000 plus a system colour index
    ShortString,  // a length byte (0-255), then that many bytes; the rest of the field is ignored
    Font,         // a FontRecord
    Options,      // an OptionsRecord
    SoundData,    // one voice panel's record, kept as raw bytes for the voice panel to decode
    Reserved,     // never interpreted
};

// The font values a first run starts with.
struct FontValues {
    quint8 charSet;
    ColorRef colour;
    qint32 height;
    const char *name;
    quint8 pitch;
    qint32 size;
    quint8 style;
};

// One row of a layout. firstRun is the value a new record holds (numbers, flags, colours);
// firstRunFont that of a font field. A control's range [min, max] is given when min < max:
// values outside it are clamped when the control is set.
template <typename Field>
struct FieldSpec {
    Field field;
    const char *name;
    int offset;
    int size;
    FieldType type;
    qint64 firstRun = 0;
    int min = 0;
    int max = 0;
    const FontValues *firstRunFont = nullptr;

    constexpr bool HasRange() const { return min < max; }
};

enum class SettingsField : int {
    WindowLeft,
    WindowTop,
    WindowWidth,
    WindowHeight,
    WindowState,               // 0 normal, 1 minimised, 2 maximised
    BorderStyle,               // 0 none (full screen), 2 sizeable (window)
    MaximisedBeforeFullScreen,
    TabIndex,                  // 0 "Говорилка", 1 "Быстрочиталка", 2 "Настройки", 3 "Звук"
    Reserved20,
    UdLength,
    UdDelay,
    MnTaCenter,                // text of the text area centred
    Indicators1,               // reading-speed indicators shown
    MnFind1,                   // find panel shown
    Reserved39,
    LastFolder,                // folder last used in the open-file dialog
    TextBackground,            // PnRe behind Re1
    DisplayBackground,         // PnSrBase
    HighlightTextColor,
    HighlightBackColor,
    TextFont,                  // Re1
    DisplayFont,               // PnSR
    Reserved872,
    SelStart,
    SelLength,
    Options,
    Sound1,                    // the foreign (English) voice panel
    Sound2,                    // the Russian voice panel
};

enum class OptionField : int {
    UdLongWord,
    UdEndOfSentence,
    UdComma,
    UdLetters,
    UdBack,
    UpDown1,
    Reserved24,
    CbAutoActive,
    CbNonStop,
    Reserved42,
    CbAutoBuffer,
    Reserved47,
    CbAutoStop,
    CbIgnoreLong,
    CbLangApart,
    Reserved51,
    RgLangs,
    Reserved53,
};

enum class FontField : int {
    CharSet,
    Reserved1,
    Colour,
    Height,
    Name,
    Pitch,
    Reserved269,
    Size,
    Style,
    Reserved277,
};

inline constexpr int kSettingsRecordSize = 8180;
inline constexpr int kOptionsRecordSize = 56;
inline constexpr int kFontRecordSize = 280;
inline constexpr int kSoundDataSize = 3620;

inline constexpr ColorRef kSystemColourFlag = 0x80000000u;
inline constexpr ColorRef kWindowTextColour = kSystemColourFlag | 8u;
inline constexpr quint8 kRussianCharSet = 204;

inline constexpr FontValues kFirstRunTextFont{kRussianCharSet, kWindowTextColour, -16,
                                              "Bookman Old Style", 0, 12, 0};
inline constexpr FontValues kFirstRunDisplayFont{kRussianCharSet, MakeColorRef(192, 192, 192), -48,
                                                 "Bookman Old Style", 0, 36, 0};

inline constexpr FieldSpec<SettingsField> kSettingsFields[] = {
    {SettingsField::WindowLeft, "window left", 0, 4, FieldType::Int},
    {SettingsField::WindowTop, "window top", 4, 4, FieldType::Int},
    {SettingsField::WindowWidth, "window width", 8, 4, FieldType::Int},
    {SettingsField::WindowHeight, "window height", 12, 4, FieldType::Int},
    {SettingsField::WindowState, "window state", 16, 1, FieldType::Byte},
    {SettingsField::BorderStyle, "border style", 17, 1, FieldType::Byte},
    {SettingsField::MaximisedBeforeFullScreen, "maximised before full screen", 18, 1, FieldType::Flag},
    {SettingsField::TabIndex, "active tab", 19, 1, FieldType::Byte, 0, 0, 3},
    {SettingsField::Reserved20, "reserved", 20, 8, FieldType::Reserved},
    {SettingsField::UdLength, "UdLength", 28, 4, FieldType::Int, 1, 1, 100},
    {SettingsField::UdDelay, "UdDelay", 32, 4, FieldType::Int, 200, 50, 30000},
    {SettingsField::MnTaCenter, "MnTaCenter", 36, 1, FieldType::Flag},
    {SettingsField::Indicators1, "Indicators1", 37, 1, FieldType::Flag, 1},
    {SettingsField::MnFind1, "MnFind1", 38, 1, FieldType::Flag},
    {SettingsField::Reserved39, "reserved", 39, 1, FieldType::Reserved},
    {SettingsField::LastFolder, "last folder", 40, 256, FieldType::ShortString},
    {SettingsField::TextBackground, "text background", 296, 4, FieldType::Colour, 9803157},
    {SettingsField::DisplayBackground, "display background", 300, 4, FieldType::Colour, 5065984},
    {SettingsField::HighlightTextColor, "HighlightTextColor", 304, 4, FieldType::Colour, 65535},
    {SettingsField::HighlightBackColor, "HighlightBackColor", 308, 4, FieldType::Colour, 6842472},
    {SettingsField::TextFont, "text font", 312, 280, FieldType::Font, 0, 0, 0, &kFirstRunTextFont},
    {SettingsField::DisplayFont, "display font", 592, 280, FieldType::Font, 0, 0, 0, &kFirstRunDisplayFont},
    {SettingsField::Reserved872, "reserved", 872, 4, FieldType::Reserved},
    {SettingsField::SelStart, "selection start", 876, 4, FieldType::Int},
    {SettingsField::SelLength, "selection length", 880, 4, FieldType::Int},
    {SettingsField::Options, "options", 884, 56, FieldType::Options},
    {SettingsField::Sound1, "Sound1", 940, 3620, FieldType::SoundData},
    {SettingsField::Sound2, "Sound2", 4560, 3620, FieldType::SoundData},
};

inline constexpr FieldSpec<OptionField> kOptionFields[] = {
    {OptionField::UdLongWord, "UdLongWord", 0, 4, FieldType::Int, 0, 0, 5},
    {OptionField::UdEndOfSentence, "UdEndOfSentence", 4, 4, FieldType::Int, 0, 0, 5},
    {OptionField::UdComma, "UdComma", 8, 4, FieldType::Int, 0, 0, 5},
    {OptionField::UdLetters, "UdLetters", 12, 4, FieldType::Int, 8, 5, 50},
    {OptionField::UdBack, "UdBack", 16, 4, FieldType::Int, 20, 0, 100},
    {OptionField::UpDown1, "UpDown1", 20, 4, FieldType::Int, 1, 0, 30},
    {OptionField::Reserved24, "reserved", 24, 16, FieldType::Reserved},
    {OptionField::CbAutoActive, "CbAutoActive", 40, 1, FieldType::Flag},
    {OptionField::CbNonStop, "CbNonStop", 41, 1, FieldType::Flag},
    {OptionField::Reserved42, "reserved", 42, 4, FieldType::Reserved},
    {OptionField::CbAutoBuffer, "CbAutoBuffer", 46, 1, FieldType::Flag, 1},
    {OptionField::Reserved47, "reserved", 47, 1, FieldType::Reserved},
    {OptionField::CbAutoStop, "CbAutoStop", 48, 1, FieldType::Flag},
    {OptionField::CbIgnoreLong, "CbIgnoreLong", 49, 1, FieldType::Flag, 1},
    {OptionField::CbLangApart, "CbLangApart", 50, 1, FieldType::Flag, 1},
    {OptionField::Reserved51, "reserved", 51, 1, FieldType::Reserved},
    {OptionField::RgLangs, "RgLangs", 52, 1, FieldType::Byte, 3, 0, 3},
    {OptionField::Reserved53, "reserved", 53, 3, FieldType::Reserved},
};

inline constexpr FieldSpec<FontField> kFontFields[] = {
    {FontField::CharSet, "character set", 0, 1, FieldType::Byte},
    {FontField::Reserved1, "reserved", 1, 3, FieldType::Reserved},
    {FontField::Colour, "colour", 4, 4, FieldType::Colour},
    {FontField::Height, "height", 8, 4, FieldType::Int},
    {FontField::Name, "name", 12, 256, FieldType::ShortString},
    {FontField::Pitch, "pitch", 268, 1, FieldType::Byte},
    {FontField::Reserved269, "reserved", 269, 3, FieldType::Reserved},
    {FontField::Size, "size", 272, 4, FieldType::Int},
    {FontField::Style, "style", 276, 1, FieldType::Byte},
    {FontField::Reserved277, "reserved", 277, 3, FieldType::Reserved},
};

// A table is usable when its rows follow the enum's order and cover the record without gap or
// overlap.
template <typename Field, std::size_t N>
constexpr bool TilesRecord(const FieldSpec<Field> (&table)[N], int recordSize)
{
    int next = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (int(table[i].field) != int(i) || table[i].offset != next || table[i].size <= 0)
            return false;
        next += table[i].size;
    }
    return next == recordSize;
}

static_assert(TilesRecord(kSettingsFields, kSettingsRecordSize));
static_assert(TilesRecord(kOptionFields, kOptionsRecordSize));
static_assert(TilesRecord(kFontFields, kFontRecordSize));

constexpr const FieldSpec<SettingsField> &Row(SettingsField field) { return kSettingsFields[int(field)]; }
constexpr const FieldSpec<OptionField> &Row(OptionField field) { return kOptionFields[int(field)]; }
constexpr const FieldSpec<FontField> &Row(FontField field) { return kFontFields[int(field)]; }

static_assert(Row(SettingsField::Options).size == kOptionsRecordSize);
static_assert(Row(SettingsField::TextFont).size == kFontRecordSize);
static_assert(Row(SettingsField::DisplayFont).size == kFontRecordSize);
static_assert(Row(SettingsField::Sound1).size == kSoundDataSize);
static_assert(Row(SettingsField::Sound2).size == kSoundDataSize);
