#include "Dialogs.h"
#include <QApplication>
#include <QMessageBox>

namespace Dialogs {
std::function<void(const QString &text)> MessageHook;

void ShowMessage(QWidget *parent, const QString &text)
{
    if (MessageHook) {
        MessageHook(text);
        return;
    }
    QMessageBox::information(parent, QApplication::applicationName(), text);
}
}
