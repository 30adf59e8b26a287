#include "LayoutFaults.h"
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>

namespace {

struct Item {
    QString name;
    QRect rect;  // in the window's coordinates
};

QString NameOf(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) + " in "
                                                 + widget->parentWidget()->objectName()
                                           : widget->objectName();
}

bool IsControl(const QWidget *widget)
{
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget)
           || qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QAbstractSlider *>(widget)
           || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QLineEdit *>(widget)
           || qobject_cast<const QAbstractScrollArea *>(widget) || qobject_cast<const QTabBar *>(widget)
           || qobject_cast<const QMenuBar *>(widget);
}

QRect RectIn(const QWidget &window, const QWidget *widget)
{
    return {widget->mapTo(&window, QPoint(0, 0)), widget->size()};
}

// The part of the window through which a widget can be seen: what all its holders leave of it.
QRect VisibleArea(const QWidget &window, const QWidget *widget)
{
    QRect area = window.rect();
    for (const QWidget *holder = widget->parentWidget(); holder && holder != &window; holder = holder->parentWidget())
        area &= RectIn(window, holder);
    return area;
}

// The room a button leaves its caption: beside the indicator of a check box or a radio button.
int CaptionRoom(const QAbstractButton *button)
{
    const QStyle *style = button->style();
    if (qobject_cast<const QCheckBox *>(button))
        return button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
               - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    if (qobject_cast<const QRadioButton *>(button))
        return button->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
               - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    return button->width();
}

void CheckLabel(const QLabel *label, QStringList &faults)
{
    if (label->text().isEmpty())
        return;
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    const QString text = label->text();
    bool fits;
    if (label->wordWrap()) {
        int longestWord = 0;
        for (const QString &word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
            longestWord = std::max(longestWord, metrics.horizontalAdvance(word));
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, text);
        fits = longestWord <= room.width() && wrapped.height() <= room.height();
    } else {
        fits = metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
    }
    if (!fits)
        faults << QString("caption «%1» of %2 cut: %3 × %4").arg(text, NameOf(label)).arg(room.width()).arg(room.height());
}

void CheckButton(const QAbstractButton *button, QStringList &faults)
{
    const QString caption = QString(button->text()).remove('&');
    if (caption.isEmpty())
        return;
    const QFontMetrics metrics(button->font());
    if (metrics.horizontalAdvance(caption) > CaptionRoom(button) || metrics.height() > button->height())
        faults << QString("caption «%1» of %2 cut: %3 × %4")
                      .arg(caption, NameOf(button))
                      .arg(button->width())
                      .arg(button->height());
}

void CheckTabs(const QTabBar *bar, QStringList &faults)
{
    const QFontMetrics metrics(bar->font());
    for (int tab = 0; tab < bar->count(); ++tab)
        if (metrics.horizontalAdvance(bar->tabText(tab)) > bar->tabRect(tab).width()
            || !bar->rect().contains(bar->tabRect(tab)))
            faults << QString("tab «%1» cut").arg(bar->tabText(tab));
}

void CheckControl(const QWidget &window, const QWidget *control, QList<Item> &items, QStringList &faults)
{
    const QRect rect = RectIn(window, control);
    items << Item{NameOf(control), rect};
    if (!VisibleArea(window, control).contains(rect))
        faults << QString("%1 cut by what holds it").arg(NameOf(control));
    const QSize least = control->minimumSizeHint();
    if (least.isValid() && (control->width() < least.width() || control->height() < least.height()))
        faults << QString("%1 squeezed to %2 × %3, needs %4 × %5")
                      .arg(NameOf(control))
                      .arg(control->width())
                      .arg(control->height())
                      .arg(least.width())
                      .arg(least.height());
    if (auto *label = qobject_cast<const QLabel *>(control))
        CheckLabel(label, faults);
    else if (auto *button = qobject_cast<const QAbstractButton *>(control))
        CheckButton(button, faults);
    else if (auto *bar = qobject_cast<const QTabBar *>(control))
        CheckTabs(bar, faults);
}

// A group's title as the style draws it: at the top, one line of the group's font.
void CheckGroupTitle(const QWidget &window, const QGroupBox *group, QList<Item> &items, QStringList &faults)
{
    if (group->title().isEmpty())
        return;
    const QFontMetrics metrics(group->font());
    const int width = metrics.horizontalAdvance(group->title());
    const QRect rect = RectIn(window, group);
    items << Item{"title of " + NameOf(group), QRect(rect.topLeft(), QSize(std::min(width, rect.width()), metrics.height()))};
    if (width > group->width())
        faults << QString("title «%1» of %2 cut").arg(group->title(), NameOf(group));
}

void Walk(const QWidget &window, const QWidget *widget, QList<Item> &items, QStringList &faults)
{
    for (const QObject *child : widget->children()) {
        const auto *w = qobject_cast<const QWidget *>(child);
        if (!w || w->isWindow() || !w->isVisible())
            continue;
        if (IsControl(w)) {
            CheckControl(window, w, items, faults);
            continue;
        }
        if (auto *group = qobject_cast<const QGroupBox *>(w))
            CheckGroupTitle(window, group, items, faults);
        Walk(window, w, items, faults);
    }
}

} // namespace

QStringList LayoutFaults(const QWidget &window)
{
    QList<Item> items;
    QStringList faults;
    Walk(window, &window, items, faults);
    for (int i = 0; i < items.size(); ++i)
        for (int j = i + 1; j < items.size(); ++j)
            if (items[i].rect.intersects(items[j].rect))
                faults << QString("%1 and %2 overlap").arg(items[i].name, items[j].name);
    return faults;
}
