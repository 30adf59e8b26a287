#pragma once
#include "settings/SettingsRecord.h"

struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool Intersects(const WindowBounds &other) const;
    bool operator==(const WindowBounds &) const = default;
};

enum class WindowState : quint8 { Normal = 0, Minimised = 1, Maximised = 2 };
enum class BorderStyle : quint8 { None = 0, Sizeable = 2 };

// The view mode and the bounds of the main window. Full screen is border style None with state
// Maximised; window mode is border style Sizeable. The bounds are those of the window in its
// normal state.
struct WindowPlacement {
    WindowBounds bounds;
    WindowState state = WindowState::Normal;
    BorderStyle border = BorderStyle::Sizeable;

    bool FullScreen() const { return border == BorderStyle::None; }
    bool operator==(const WindowPlacement &) const = default;
};

inline constexpr WindowPlacement kDesignedPlacement{{55, 76, 594, 346}, WindowState::Normal, BorderStyle::Sizeable};

// The placement at start. With all four stored bounds non-zero and meeting the desktop, the
// window takes them (no larger than the desktop) with the stored border style and state; after a full-screen exit the stored
// state becomes the one the window had before full screen (maximised or normal), so that a later
// return to window mode restores it. Otherwise the window keeps its designed placement.
WindowPlacement StartPlacement(SettingsRecord &record, const WindowBounds &desktop);

// Stores the window at exit: its bounds unless it is maximised (full screen included), its state
// and its border style.
void StorePlacement(SettingsRecord &record, const WindowPlacement &window);

// Entering full screen: remembers whether the window was maximised, and its bounds and state.
void StoreBeforeFullScreen(SettingsRecord &record, const WindowPlacement &window);

// Leaving full screen: the stored bounds and state, in window mode.
WindowPlacement WindowModePlacement(const SettingsRecord &record);
