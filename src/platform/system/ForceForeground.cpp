#include "ForceForeground.h"
#include <QWidget>

void ForceForeground(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (window->isActiveWindow())
        return;
    window->show();
    window->raise();
    window->activateWindow();
}
