#pragma once
#include "platform/ColorRef.h"
#include <optional>

// The colour roles of the desktop's palette that a stored system colour can stand for. The names
// are those of the widget toolkit's palette roles, to which the widgets map them one to one.
enum class PaletteRole {
    Window,
    WindowText,
    Base,
    Text,
    Button,
    ButtonText,
    Highlight,
    HighlightedText,
    Light,
    Midlight,
    Mid,
    Dark,
    Shadow,
    ToolTipBase,
    ToolTipText,
    PlaceholderText,
    Link,
};

// A stored colour with its high bit set names a system colour by the index in its low byte (8 is
// the window-text colour); any other value is 0x00BBGGRR. Returns the palette role for a system
// colour, nothing for an explicit one.
std::optional<PaletteRole> SystemColourRole(ColorRef colour);
