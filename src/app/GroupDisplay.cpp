#include "GroupDisplay.h"
#include "Accessibility.h"
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

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

void GroupDisplay::paintEvent(QPaintEvent *event)
{
    DoubleClickFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, group);
}
