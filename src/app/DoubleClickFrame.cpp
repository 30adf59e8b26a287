#include "DoubleClickFrame.h"
#include <QMouseEvent>

DoubleClickFrame::DoubleClickFrame(const char *name, QWidget *parent) : QFrame(parent)
{
    setObjectName(name);
}

void DoubleClickFrame::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (OnDoubleClick)
        OnDoubleClick();
    event->accept();
}
