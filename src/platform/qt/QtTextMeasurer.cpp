#include "platform/qt/QtTextMeasurer.h"
#include <QFontMetrics>

QtTextMeasurer::QtTextMeasurer(QWidget *widget) : widget(widget)
{
}

int QtTextMeasurer::TextWidth(const QString &text) const
{
    return widget ? widget->fontMetrics().horizontalAdvance(text) : 0;
}
