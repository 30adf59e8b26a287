#include "GroupDisplay.h"
#include "Accessibility.h"
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLabel *SpeedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("0 "), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight);
    // The labels keep the application's font whatever font the display takes.
    QFont font = QApplication::font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    label->setFont(font);
    NameAfterComponent(label);
    ShowAccessibleText(label, label->text());
    return label;
}

} // namespace

GroupDisplay::GroupDisplay(QWidget *parent)
    : DoubleClickFrame("PnSR", parent), LbWords(SpeedLabel("LbWords", this)),
      LbSymbols(SpeedLabel("LbSymbols", this))
{
    NameAfterComponent(this);
    ShowAccessibleText(this, QString());
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(LbWords, 0, Qt::AlignRight);
    layout->addWidget(LbSymbols, 0, Qt::AlignRight);
}

void GroupDisplay::SetGroup(const QString &text)
{
    group = text;
    ShowAccessibleText(this, text);
    update();
}

void GroupDisplay::SetRates(const QString &words, const QString &symbols)
{
    LbWords->setText(words);
    LbSymbols->setText(symbols);
    ShowAccessibleText(LbWords, words);
    ShowAccessibleText(LbSymbols, symbols);
}

void GroupDisplay::SetFontAndColour(const QFont &font, const QColor &colour)
{
    setFont(font);
    for (QWidget *widget : {static_cast<QWidget *>(this), static_cast<QWidget *>(LbWords),
                            static_cast<QWidget *>(LbSymbols)}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, colour);
        widget->setPalette(palette);
    }
    update();
}

void GroupDisplay::SetFocusPoint(bool on)
{
    focusPoint = on;
    update();
}

void GroupDisplay::paintEvent(QPaintEvent *event)
{
    DoubleClickFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    if (focusPoint)
        PaintAroundFocus(painter);
    else
        painter.drawText(contentsRect(), Qt::AlignCenter, group);
}

// The group in three pieces, so that the focus letter stands exactly where the layout put it.
void GroupDisplay::PaintAroundFocus(QPainter &painter)
{
    const QRect area = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    const int top = area.top() + (area.height() - metrics.height()) / 2;
    const int baseline = top + metrics.ascent();
    const int pointX = area.left() + FocusPointX(area.width());
    const int mark = std::max(metrics.height() / 4, 4);
    painter.drawLine(pointX, top - mark, pointX, top - 2);
    painter.drawLine(pointX, top + metrics.height() + 2, pointX, top + metrics.height() + mark);

    drawn = LayOutAroundFocus(group, measurer, area.width());
    if (group.isEmpty())
        return;
    const QString before = group.left(drawn.focus), after = group.mid(drawn.focus + 1);
    painter.drawText(area.left() + drawn.left, baseline, before);
    painter.drawText(area.left() + drawn.letterRight, baseline, after);
    painter.setPen(QColor(255, 0, 0));
    painter.drawText(area.left() + drawn.letterLeft, baseline, group.mid(drawn.focus, 1));
}
