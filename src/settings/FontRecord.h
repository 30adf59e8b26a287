#pragma once
#include "settings/RecordImage.h"

// A font as "Data.dat" stores it: 280 bytes.
using FontRecord = RecordImage<FontField, kFontRecordSize>;

enum FontStyleBit : quint8 { FontBold = 1, FontItalic = 2, FontUnderline = 4, FontStrikeOut = 8 };
enum FontPitch : quint8 { PitchDefault = 0, PitchVariable = 1, PitchFixed = 2 };

// A font's seven stored properties. The character set has no counterpart on this system; it is
// carried along so that the record written back keeps it.
struct FontDescription {
    quint8 charSet = 1;
    ColorRef colour = 0;
    qint32 height = 0;   // pixels; negative: character height without internal leading
    QString name;
    quint8 pitch = PitchDefault;
    qint32 size = 0;     // points; decides the font's height when shown
    quint8 style = 0;    // FontStyleBit

    bool operator==(const FontDescription &) const = default;
};

FontDescription FontFromRecord(const FontRecord &record);
// A new record: its reserved bytes are zero.
FontRecord FontToRecord(const FontDescription &font);
FontDescription FontFromValues(const FontValues &values);

inline constexpr int kMinPointSize = 1;
inline constexpr int kMaxPointSize = 400;
inline constexpr int kFallbackPointSize = 12;
// The size to show the font at: the stored size in points, else one derived from the pixel height
// at 96 dots per inch, else kFallbackPointSize; kept within kMinPointSize to kMaxPointSize.
int PointSizeToShow(const FontDescription &font);
