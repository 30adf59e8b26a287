#include "settings/FontRecord.h"
#include <cstdlib>

FontDescription FontFromRecord(const FontRecord &record)
{
    FontDescription font;
    font.charSet = record.Byte(FontField::CharSet);
    font.colour = record.Colour(FontField::Colour);
    font.height = record.Int(FontField::Height);
    font.name = record.Text(FontField::Name);
    font.pitch = record.Byte(FontField::Pitch);
    font.size = record.Int(FontField::Size);
    font.style = record.Byte(FontField::Style);
    return font;
}

FontRecord FontToRecord(const FontDescription &font)
{
    FontRecord record;
    record.SetByte(FontField::CharSet, font.charSet);
    record.SetColour(FontField::Colour, font.colour);
    record.SetInt(FontField::Height, font.height);
    record.SetText(FontField::Name, font.name);
    record.SetByte(FontField::Pitch, font.pitch);
    record.SetInt(FontField::Size, font.size);
    record.SetByte(FontField::Style, font.style);
    return record;
}

FontDescription FontFromValues(const FontValues &values)
{
    return {values.charSet, values.colour, values.height, QString::fromUtf8(values.name),
            values.pitch, values.size, values.style};
}

int PointSizeToShow(const FontDescription &font)
{
    qint64 points = font.size;
    if (points <= 0)
        points = (std::llabs(qint64(font.height)) * 72 + 48) / 96;
    if (points <= 0)
        return kFallbackPointSize;
    return int(std::clamp<qint64>(points, kMinPointSize, kMaxPointSize));
}
