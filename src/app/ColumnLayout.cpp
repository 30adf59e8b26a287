#include "app/ColumnLayout.h"
#include <QResizeEvent>
#include <QLayout>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int LeftIndent = 10, RightIndent = 5, RowsNarrower = 19;

// The box that holds a widget: its parent's layout or one nested in it.
QLayout *LayoutHolding(QWidget *widget)
{
    QLayout *outer = widget->parentWidget()->layout();
    for (int i = 0; i < outer->count(); ++i)
        if (QLayout *inner = outer->itemAt(i)->layout(); inner && inner->indexOf(widget) >= 0)
            return inner;
    return outer;
}

void Indent(QWidget *column, int left)
{
    const QMargins margins = column->layout()->contentsMargins();
    column->layout()->setContentsMargins(left, margins.top(), 0, margins.bottom());
}

// Each row as wide as the rule says, or as it needs; returns the widest.
int LayRows(const QList<QWidget *> &rows, int width)
{
    int widest = 0;
    for (QWidget *row : rows) {
        const int rowWidth = std::max(width, row->minimumSizeHint().width());
        row->setFixedWidth(rowWidth);
        widest = std::max(widest, rowWidth);
    }
    return widest;
}

} // namespace

TwoColumns::TwoColumns(QWidget *panel, QWidget *leftColumn, QWidget *rightColumn)
    : QObject(panel), panel(panel), leftColumn(leftColumn), rightColumn(rightColumn)
{
    QLayout *panelLayout = panel->layout();
    const QMargins margins = panelLayout->contentsMargins();
    panelLayout->setContentsMargins(0, margins.top(), 0, margins.bottom());
    LayoutHolding(leftColumn)->setSpacing(0);
    Indent(leftColumn, LeftIndent);
    Indent(rightColumn, RightIndent);
    panel->installEventFilter(this);
}

void TwoColumns::Lay(int half)
{
    const int width = half - RowsNarrower;
    const int widestLeft = LayRows(leftRows, width);
    leftColumn->setFixedWidth(std::max(half, widestLeft + RowsNarrower));
    LayRows(rightRows, width);
}

// A resize that keeps the width (a taller window, a tab switch) leaves the rows as they are; a
// new font may change what they need.
bool TwoColumns::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != panel)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Resize) {
        const auto *resize = static_cast<QResizeEvent *>(event);
        if (resize->size().width() != resize->oldSize().width())
            Lay(panel->width() / 2);
    } else if (event->type() == QEvent::FontChange) {
        Lay(panel->width() / 2);
    }
    return QObject::eventFilter(watched, event);
}
