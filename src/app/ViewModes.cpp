#include "app/ViewModes.h"
#include "app/QtAppearance.h"
#include "app/SettingsBinding.h"
#include "reading/TextAreaScrolling.h"
#include "settings/SettingsRecord.h"
#include "settings/WindowPlacement.h"
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

// The selection is remembered in the settings record as well.
TextView KeepView(TextArea &area, SettingsRecord &record)
{
    const TextView view = TakeView(area);
    record.SetInt(SettingsField::SelStart, view.selStart);
    record.SetInt(SettingsField::SelLength, view.selLength);
    return view;
}

} // namespace

ViewModes::ViewModes(QWidget &window, QPlainTextEdit *re1, TextArea &re1Area, SettingsRecord &record)
    : window(window), re1(re1), re1Area(re1Area), record(record)
{
}

// Full screen is a window without frame over the whole screen. The window mode left is stored
// for "Окно"; entering full screen again while in it would store full screen in its place.
void ViewModes::mnScreenClick()
{
    if (window.isFullScreen())
        return;
    const TextView view = KeepView(re1Area, record);
    StoreBeforeFullScreen(record, PlacementOf(window));
    window.setWindowState(Qt::WindowFullScreen);
    RestoreView(re1Area, view);
}

// Back to the bounds and state stored on entering full screen; bounds never stored (a window
// maximised since the first run) leave the window its own normal bounds.
void ViewModes::mnWindowClick()
{
    if (!window.isFullScreen())
        return;
    const TextView view = KeepView(re1Area, record);
    const WindowPlacement placement = WindowModePlacement(record);
    window.setWindowState(Qt::WindowNoState);
    const WindowBounds &b = placement.bounds;
    if (b.width > 0 && b.height > 0)
        window.setGeometry(b.left, b.top, b.width, b.height);
    if (placement.state == WindowState::Maximised)
        window.setWindowState(Qt::WindowMaximized);
    RestoreView(re1Area, view);
}

void ViewModes::MnTaCenterClick()
{
    const TextView view = TakeView(re1Area);
    SetTextCentred(!centred);
    record.SetFlag(SettingsField::MnTaCenter, centred);
    RestoreView(re1Area, view);
}

void ViewModes::SetTextCentred(bool on)
{
    centred = on;
    QTextOption option = re1->document()->defaultTextOption();
    option.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    re1->document()->setDefaultTextOption(option);
}

void ViewModes::ShowTextFont(const FontDescription &font, int visibleLines)
{
    const TextView view = TakeView(re1Area);
    re1->setFont(ToQFont(font));
    QPalette palette = re1->palette();
    palette.setColor(QPalette::Text, ToQColor(font.colour, palette));
    re1->setPalette(palette);
    RestoreView(re1Area, view);
    CentreCaretLine(re1Area, visibleLines);
}
