#include "settings/WindowPlacement.h"
#include <algorithm>

namespace {

WindowBounds StoredBounds(const SettingsRecord &record)
{
    return {record.Int(SettingsField::WindowLeft), record.Int(SettingsField::WindowTop),
            record.Int(SettingsField::WindowWidth), record.Int(SettingsField::WindowHeight)};
}

void StoreBounds(SettingsRecord &record, const WindowBounds &bounds)
{
    record.SetInt(SettingsField::WindowLeft, bounds.left);
    record.SetInt(SettingsField::WindowTop, bounds.top);
    record.SetInt(SettingsField::WindowWidth, bounds.width);
    record.SetInt(SettingsField::WindowHeight, bounds.height);
}

WindowState StoredState(const SettingsRecord &record)
{
    const quint8 state = record.Byte(SettingsField::WindowState);
    return state <= quint8(WindowState::Maximised) ? WindowState(state) : WindowState::Normal;
}

BorderStyle StoredBorder(const SettingsRecord &record)
{
    return record.Byte(SettingsField::BorderStyle) == 0 ? BorderStyle::None : BorderStyle::Sizeable;
}

}  // namespace

bool WindowBounds::Intersects(const WindowBounds &other) const
{
    const qint64 right = qint64(left) + width, otherRight = qint64(other.left) + other.width;
    const qint64 bottom = qint64(top) + height, otherBottom = qint64(other.top) + other.height;
    return width > 0 && height > 0 && other.width > 0 && other.height > 0 && left < otherRight
        && other.left < right && top < otherBottom && other.top < bottom;
}

WindowPlacement StartPlacement(SettingsRecord &record, const WindowBounds &desktop)
{
    WindowBounds bounds = StoredBounds(record);
    if (bounds.left == 0 || bounds.top == 0 || bounds.width == 0 || bounds.height == 0)
        return kDesignedPlacement;
    bounds.width = std::min(bounds.width, desktop.width);
    bounds.height = std::min(bounds.height, desktop.height);
    if (!bounds.Intersects(desktop))
        return kDesignedPlacement;
    const WindowPlacement placement{bounds, StoredState(record), StoredBorder(record)};
    if (placement.FullScreen()) {
        const bool wasMaximised = record.Flag(SettingsField::MaximisedBeforeFullScreen);
        record.SetByte(SettingsField::WindowState, quint8(wasMaximised ? WindowState::Maximised : WindowState::Normal));
    }
    return placement;
}

void StorePlacement(SettingsRecord &record, const WindowPlacement &window)
{
    if (window.state != WindowState::Maximised)
        StoreBounds(record, window.bounds);
    record.SetByte(SettingsField::WindowState, quint8(window.state));
    record.SetByte(SettingsField::BorderStyle, quint8(window.border));
}

void StoreBeforeFullScreen(SettingsRecord &record, const WindowPlacement &window)
{
    const bool maximised = window.state == WindowState::Maximised;
    record.SetFlag(SettingsField::MaximisedBeforeFullScreen, maximised);
    if (!maximised)
        StoreBounds(record, window.bounds);
    record.SetByte(SettingsField::WindowState, quint8(window.state));
}

WindowPlacement WindowModePlacement(const SettingsRecord &record)
{
    return {StoredBounds(record), StoredState(record), BorderStyle::Sizeable};
}
