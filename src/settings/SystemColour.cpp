#include "settings/SystemColour.h"
#include <array>

namespace {

// By system colour index: scroll bar, desktop, active caption, inactive caption, menu, window,
// window frame, menu text, window text, caption text, active border, inactive border, application
// workspace, highlight, highlight text, button face, button shadow, grey text, button text,
// inactive caption text, button highlight, 3-D dark shadow, 3-D light, tooltip text, tooltip
// background, (unused), hot-tracked item, two caption gradients, menu highlight, menu bar.
constexpr std::array kRoleByIndex{
    PaletteRole::Midlight,   PaletteRole::Dark,          PaletteRole::Highlight,   PaletteRole::Mid,
    PaletteRole::Window,     PaletteRole::Base,          PaletteRole::Shadow,      PaletteRole::WindowText,
    PaletteRole::WindowText, PaletteRole::HighlightedText, PaletteRole::Button,    PaletteRole::Button,
    PaletteRole::Mid,        PaletteRole::Highlight,     PaletteRole::HighlightedText, PaletteRole::Button,
    PaletteRole::Dark,       PaletteRole::PlaceholderText, PaletteRole::ButtonText, PaletteRole::WindowText,
    PaletteRole::Light,      PaletteRole::Shadow,        PaletteRole::Midlight,    PaletteRole::ToolTipText,
    PaletteRole::ToolTipBase, PaletteRole::WindowText,   PaletteRole::Link,        PaletteRole::Highlight,
    PaletteRole::Mid,        PaletteRole::Highlight,     PaletteRole::Window,
};

}  // namespace

std::optional<PaletteRole> SystemColourRole(ColorRef colour)
{
    if ((colour & 0x80000000u) == 0)
        return std::nullopt;
    const unsigned index = colour & 0xFFu;
    return index < kRoleByIndex.size() ? kRoleByIndex[index] : PaletteRole::WindowText;
}
