#include "app/QtAppearanceDialogs.h"
#include "app/Dialogs.h"
#include "app/QtAppearance.h"
#include <QWidget>

QtAppearanceDialogs::QtAppearanceDialogs(QWidget *window) : window(window)
{
}

// The dialog chooses face, size and style; colour and character set stay the stored font's.
std::optional<FontDescription> QtAppearanceDialogs::ChooseFont(const FontDescription &current)
{
    const auto font = Dialogs::ChooseFont(window, ToQFont(current));
    if (!font)
        return std::nullopt;
    return ToFontDescription(*font, current.colour, current.charSet, window->logicalDpiY());
}

std::optional<ColorRef> QtAppearanceDialogs::ChooseColour(ColorRef current)
{
    const auto colour = Dialogs::ChooseColour(window, ToQColor(current, window->palette()));
    if (!colour)
        return std::nullopt;
    return MakeColorRef(colour->red(), colour->green(), colour->blue());
}
