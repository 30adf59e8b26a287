#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The program's message boxes and its font and colour dialogs. Tests pre-answer them by setting
// the hooks, which then receive what the dialog would start from instead of a dialog being shown
// (nothing from a chooser's hook: cancelled).
namespace Dialogs {
extern std::function<void(const QString &text)> MessageHook;
extern std::function<std::optional<QFont>(const QFont &current)> FontHook;
extern std::function<std::optional<QColor>(const QColor &current)> ColourHook;

void ShowMessage(QWidget *parent, const QString &text);
std::optional<QFont> ChooseFont(QWidget *parent, const QFont &current);
std::optional<QColor> ChooseColour(QWidget *parent, const QColor &current);
}
