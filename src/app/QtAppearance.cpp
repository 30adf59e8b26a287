#include "app/QtAppearance.h"

QPalette::ColorRole ToColorRole(PaletteRole role)
{
    switch (role) {
    case PaletteRole::Window: return QPalette::Window;
    case PaletteRole::WindowText: return QPalette::WindowText;
    case PaletteRole::Base: return QPalette::Base;
    case PaletteRole::Text: return QPalette::Text;
    case PaletteRole::Button: return QPalette::Button;
    case PaletteRole::ButtonText: return QPalette::ButtonText;
    case PaletteRole::Highlight: return QPalette::Highlight;
    case PaletteRole::HighlightedText: return QPalette::HighlightedText;
    case PaletteRole::Light: return QPalette::Light;
    case PaletteRole::Midlight: return QPalette::Midlight;
    case PaletteRole::Mid: return QPalette::Mid;
    case PaletteRole::Dark: return QPalette::Dark;
    case PaletteRole::Shadow: return QPalette::Shadow;
    case PaletteRole::ToolTipBase: return QPalette::ToolTipBase;
    case PaletteRole::ToolTipText: return QPalette::ToolTipText;
    case PaletteRole::PlaceholderText: return QPalette::PlaceholderText;
    case PaletteRole::Link: return QPalette::Link;
    }
    return QPalette::WindowText;
}

QColor ToQColor(ColorRef colour, const QPalette &palette)
{
    if (const auto role = SystemColourRole(colour))
        return palette.color(QPalette::Active, ToColorRole(*role));
    return QColor(ColorRefRed(colour), ColorRefGreen(colour), ColorRefBlue(colour));
}

QFont ToQFont(const FontDescription &font)
{
    QFont qfont(font.name);
    qfont.setPointSize(PointSizeToShow(font));
    if (font.pitch == PitchFixed) {
        qfont.setFixedPitch(true);
        qfont.setStyleHint(QFont::Monospace);
    } else if (font.pitch == PitchVariable) {
        qfont.setFixedPitch(false);
    }
    qfont.setBold(font.style & FontBold);
    qfont.setItalic(font.style & FontItalic);
    qfont.setUnderline(font.style & FontUnderline);
    qfont.setStrikeOut(font.style & FontStrikeOut);
    return qfont;
}

FontDescription ToFontDescription(const QFont &font, ColorRef colour, quint8 charSet, int dpi)
{
    FontDescription description;
    description.charSet = charSet;
    description.colour = colour;
    description.size = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    if (description.size <= 0 && font.pixelSize() > 0)
        description.size = qRound(font.pixelSize() * 72.0 / dpi);
    description.height = -qRound(description.size * double(dpi) / 72.0);
    description.name = font.family();
    description.pitch = font.fixedPitch() ? PitchFixed : PitchDefault;
    description.style = quint8((font.bold() ? FontBold : 0) | (font.italic() ? FontItalic : 0)
                               | (font.underline() ? FontUnderline : 0) | (font.strikeOut() ? FontStrikeOut : 0));
    return description;
}
