#include "ForceForeground.h"
#include <QApplication>
#include <QWidget>

bool ForceForeground(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (window->isActiveWindow())
        return true;
    window->show();
    window->raise();
    window->activateWindow();
    QApplication::processEvents();
    return window->isActiveWindow();
}
