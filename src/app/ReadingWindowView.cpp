#include "app/ReadingWindowView.h"
#include "app/Handlers.h"
#include "app/ReadingBar.h"
#include "app/ReadingOptions.h"
#include "app/TextEventGate.h"
#include "app/QtAppearance.h"
#include "reading/ClipboardMonitor.h"
#include "reading/ReadingController.h"
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {

constexpr QColor GreyCaption(128, 128, 128);

// Focus that comes and goes with the whole window or a popup menu is not the text area's own.
bool OwnFocusChange(const QEvent *event)
{
    const auto reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

ReadingWindowView::ReadingWindowView(ReadingBar &bar, ReadingOptions &options, QPlainTextEdit *re1,
                                     const TextEventGate &textEvents, QObject *parent)
    : QObject(parent), bar(bar), options(options), re1(re1), textEvents(textEvents)
{
}

void ReadingWindowView::ForwardTextAreaEvents(ReadingController &reading, ClipboardMonitor &monitor,
                                              std::function<void()> onTextChange)
{
    controller = &reading;
    re1->installEventFilter(this);
    re1->viewport()->installEventFilter(this);
    OnSignal(re1, &QPlainTextEdit::textChanged, this, "Re1Change", std::move(onTextChange));
    OnSignal(re1, &QPlainTextEdit::selectionChanged, this, "Re1SelectionChange",
             [&monitor] { monitor.Re1SelectionChange(); });
}

bool ReadingWindowView::eventFilter(QObject *watched, QEvent *event)
{
    if (!controller)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched == re1->viewport()) {
            const bool left = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
            Guarded("Re1MouseDown", [&] { controller->Re1MouseDown(left); });
        }
        break;
    case QEvent::FocusIn:
        if (watched == re1 && OwnFocusChange(event))
            Guarded("Re1Enter", [&] { controller->Re1Enter(); });
        break;
    case QEvent::FocusOut:
        if (watched == re1 && OwnFocusChange(event))
            Guarded("Re1Exit", [&] { controller->Re1Exit(); });
        break;
    default:
        break;
    }
    return false;
}

void ReadingWindowView::ShowButton(ReadingButton button, bool visible, bool enabled)
{
    QPushButton *b = bar.Button(button);
    b->setVisible(visible);
    b->setEnabled(enabled);
}

void ReadingWindowView::FocusButton(ReadingButton button)
{
    QPushButton *b = bar.Button(button);
    if (!b->isHidden() && b->isEnabled())
        b->setFocus(Qt::OtherFocusReason);
}

bool ReadingWindowView::TextAreaFocused() const
{
    return re1->window()->focusWidget() == re1;
}

void ReadingWindowView::FocusTextArea()
{
    re1->setFocus(Qt::OtherFocusReason);
}

void ReadingWindowView::SetTextAreaBackground(ColorRef colour)
{
    QPalette palette = re1->palette();
    palette.setColor(QPalette::Base, ToQColor(colour, palette));
    re1->setPalette(palette);
}

void ReadingWindowView::RestoreTextAreaBackground()
{
    QPalette palette = re1->palette();
    palette.setColor(QPalette::Base, re1->parentWidget()->palette().color(QPalette::Window));
    re1->setPalette(palette);
}

void ReadingWindowView::SetIgnoreLongEnabled(bool enabled)
{
    options.CbIgnoreLong->setEnabled(enabled);
}

void ReadingWindowView::SetForeignVoiceGroupEnabled(bool enabled)
{
    if (!ForeignVoiceGroup)
        return;
    ForeignVoiceGroup->setEnabled(enabled);
    if (enabled) {
        ForeignVoiceGroup->setPalette(QPalette());  // the parent's colours again
        return;
    }
    QPalette grey = ForeignVoiceGroup->palette();
    grey.setColor(QPalette::WindowText, GreyCaption);
    grey.setColor(QPalette::Disabled, QPalette::WindowText, GreyCaption);
    ForeignVoiceGroup->setPalette(grey);
}

void ReadingWindowView::SetRussianVoiceGroupCaption(const QString &caption)
{
    if (!RussianVoiceGroup)
        return;
    RussianVoiceGroup->setTitle(caption);
    RussianVoiceGroup->setAccessibleName(caption);
}

void ReadingWindowView::ShowMessage(const QString &message)
{
    if (ShowCaptionMessage)
        ShowCaptionMessage(message);
}

bool ReadingWindowView::ReadingTabShown() const
{
    return !Pages || Pages->currentIndex() == ReadingPage;
}

bool ReadingWindowView::TextEventsSuppressed() const
{
    return textEvents.Suppressed();
}
