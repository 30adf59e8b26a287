#include "DoubleClickFrame.h"
#include "platform/Guarded.h"
#include <QMouseEvent>

DoubleClickFrame::DoubleClickFrame(const char *name, QWidget *parent) : QFrame(parent)
{
    setObjectName(name);
}

void DoubleClickFrame::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (OnDoubleClick)
        Guarded(qPrintable(objectName()), OnDoubleClick);
    event->accept();
}
