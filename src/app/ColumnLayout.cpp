#include "app/ColumnLayout.h"
#include <QLayout>
#include <QWidget>

namespace {

// The box that holds a widget: its parent's layout or one nested in it.
QLayout *LayoutHolding(QWidget *widget)
{
    QLayout *outer = widget->parentWidget()->layout();
    for (int i = 0; i < outer->count(); ++i)
        if (QLayout *inner = outer->itemAt(i)->layout(); inner && inner->indexOf(widget) >= 0)
            return inner;
    return outer;
}

} // namespace

void JoinColumns(QWidget *leftColumn, int half)
{
    leftColumn->setFixedWidth(half);
    QLayout *panel = leftColumn->parentWidget()->layout();
    const QMargins margins = panel->contentsMargins();
    panel->setContentsMargins(0, margins.top(), 0, margins.bottom());
    LayoutHolding(leftColumn)->setSpacing(0);
}

void LayColumn(QWidget *column, int left, int width, const QList<QWidget *> &rows)
{
    const QMargins margins = column->layout()->contentsMargins();
    column->layout()->setContentsMargins(left, margins.top(), 0, margins.bottom());
    for (QWidget *row : rows)
        row->setFixedWidth(width);
}
