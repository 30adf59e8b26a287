#pragma once
#include "settings/SettingsControls.h"

class QWidget;
class TextArea;
class TLektavo;

// The main window's controls bound for the settings logic: what Restore applies and SaveAtExit
// gathers. re1 is the text area Re1 as the logic sees it.
SettingsControls BindSettingsControls(TLektavo &window, TextArea &re1);

// The window's view mode and its bounds in the normal state, and setting them (before the window
// is shown, the state takes effect when it is).
WindowPlacement PlacementOf(const QWidget &window);
void Place(QWidget &window, const WindowPlacement &placement);
// The bounding box of the screens' available areas.
WindowBounds DesktopBounds();
