#pragma once
#include <QString>
#include <functional>

class QWidget;

// The program's message boxes. Tests pre-answer them by setting MessageHook, which then receives
// the text instead of a box being shown.
namespace Dialogs {
extern std::function<void(const QString &text)> MessageHook;
void ShowMessage(QWidget *parent, const QString &text);
}
