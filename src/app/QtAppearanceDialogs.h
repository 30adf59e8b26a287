#pragma once
#include "workspace/AppearanceDialogs.h"
#include <functional>

class QWidget;

// The font and colour dialogs of the main window. While one is open the speed reader pauses.
class QtAppearanceDialogs : public AppearanceDialogs {
public:
    QtAppearanceDialogs(QWidget *window, std::function<void(bool open)> dialogOpen);

    std::optional<FontDescription> ChooseFont(const FontDescription &current) override;
    std::optional<ColorRef> ChooseColour(ColorRef current) override;

private:
    QWidget *window;
    std::function<void(bool open)> dialogOpen;
};
