#pragma once
#include <QSignalBlocker>
#include <utility>

// Shows a value the program has set: the control changes without reporting a change of its own.
template <typename Control, typename Setter, typename... Values>
void ShowQuietly(Control *control, Setter set, Values &&...values)
{
    const QSignalBlocker blocker(control);
    (control->*set)(std::forward<Values>(values)...);
}
