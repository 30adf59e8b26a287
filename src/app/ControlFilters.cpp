#include "app/ControlFilters.h"
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QWindow>

ControlFilter::ControlFilter(const QList<QObject *> &controls)
{
    for (QObject *control : controls) {
        control->installEventFilter(this);
        watched << control;
    }
}

ControlFilter::~ControlFilter()
{
    for (const QPointer<QObject> &control : watched)
        if (control)
            control->removeEventFilter(this);
}

bool SelectAllToCommand::eventFilter(QObject *, QEvent *event)
{
    return event->type() == QEvent::ShortcutOverride
           && static_cast<QKeyEvent *>(event)->matches(QKeySequence::SelectAll);
}

TabArrowsHeld::TabArrowsHeld(QTabWidget *tabs, int heldOnTab)
    : ControlFilter({tabs->tabBar()}), tabs(tabs), heldOnTab(heldOnTab)
{
}

bool TabArrowsHeld::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || tabs->currentIndex() != heldOnTab)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Left || key == Qt::Key_Right;
}

bool WindowDragBars::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    if (QWindow *handle = window.windowHandle())
        handle->startSystemMove();
    return true;
}
