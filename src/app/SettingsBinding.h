#pragma once
#include "settings/OptionsStore.h"
#include "settings/SettingsControls.h"
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QWidget;

// How the settings logic reaches the controls that show settings: each part of the window binds
// its own controls into one SettingsControls, with these helpers.
SettingsControls::Number CheckBoxValue(QCheckBox *box);
SettingsControls::Number SpinBoxValue(QSpinBox *box);
void SetPanelBackground(QWidget *panel, ColorRef colour);
void SetTextColour(QWidget *widget, ColorRef colour);
// A check box of one of the program's own switches, which "Data.dat" does not hold: shown and
// applied as stored, stored and applied as clicked.
void BindSwitch(QCheckBox *box, OptionsStore &options, OptionsStore::Switch option,
                const std::function<void(bool on)> &apply);
// The same for a checkable menu item.
void BindSwitch(QAction *item, OptionsStore &options, OptionsStore::Switch option,
                const std::function<void(bool on)> &apply);

// The window's placement.
void BindPlacement(SettingsControls &controls, QWidget &window);
// Re1's background, which is its panel PnRe's.
void BindTextBackground(SettingsControls &controls, QWidget *pnRe, QPlainTextEdit *re1);

// The window's view mode and its bounds in the normal state, and setting them (before the window
// is shown, the state takes effect when it is).
WindowPlacement PlacementOf(const QWidget &window);
void Place(QWidget &window, const WindowPlacement &placement);
// The bounding box of the screens' available areas.
WindowBounds DesktopBounds();
