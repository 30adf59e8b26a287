#pragma once
#include <QStringList>

class QWidget;

// What a user would find wrong with a window as it is laid out now, one line a fault: visible
// controls that overlap each other or a group's title, controls cut by the panel or window that
// holds them or squeezed below their minimum, captions that do not fit their control (measured
// with the control's font). Empty when every visible control can be read and reached.
QStringList LayoutFaults(const QWidget &window);
