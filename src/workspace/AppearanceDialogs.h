#pragma once
#include "platform/ColorRef.h"
#include "settings/FontRecord.h"
#include <optional>

// The font and colour dialogs, starting from the current value; nothing when cancelled.
class AppearanceDialogs {
public:
    virtual ~AppearanceDialogs() = default;
    virtual std::optional<FontDescription> ChooseFont(const FontDescription &current) = 0;
    virtual std::optional<ColorRef> ChooseColour(ColorRef current) = 0;
};
