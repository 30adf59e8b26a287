#pragma once
#include "workspace/AppearanceDialogs.h"

class QWidget;

// The font and colour dialogs of the main window.
class QtAppearanceDialogs : public AppearanceDialogs {
public:
    explicit QtAppearanceDialogs(QWidget *window);

    std::optional<FontDescription> ChooseFont(const FontDescription &current) override;
    std::optional<ColorRef> ChooseColour(ColorRef current) override;

private:
    QWidget *window;
};
