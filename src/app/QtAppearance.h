#pragma once
#include "platform/ColorRef.h"
#include "settings/FontRecord.h"
#include "settings/SystemColour.h"
#include <QColor>
#include <QFont>
#include <QPalette>

// Stored fonts and colours as the widgets show them, and back.

QPalette::ColorRole ToColorRole(PaletteRole role);

// An explicit colour as it is; a system colour as the palette's colour for its role.
QColor ToQColor(ColorRef colour, const QPalette &palette);

// Face, size in points (see PointSizeToShow), pitch and style. Character set, height and colour
// have no place in a QFont: the colour is shown by the widget, the rest is carried in the
// description.
QFont ToQFont(const FontDescription &font);

// A font chosen on this system, as stored: the height follows from the size at dpi dots per
// inch; colour and character set are given by the caller (the character set of the font it
// replaces, so that a file written here still reads right on the other system).
FontDescription ToFontDescription(const QFont &font, ColorRef colour, quint8 charSet, int dpi);
