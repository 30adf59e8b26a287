#pragma once
#include <QtGlobal>

// A colour as the settings file stores it: 0x00BBGGRR. Logic passes colours in this form;
// the widgets turn them into QColor.
using ColorRef = quint32;

constexpr ColorRef MakeColorRef(int red, int green, int blue)
{
    return ColorRef(red & 0xFF) | (ColorRef(green & 0xFF) << 8) | (ColorRef(blue & 0xFF) << 16);
}
constexpr int ColorRefRed(ColorRef c) { return int(c & 0xFF); }
constexpr int ColorRefGreen(ColorRef c) { return int((c >> 8) & 0xFF); }
constexpr int ColorRefBlue(ColorRef c) { return int((c >> 16) & 0xFF); }
