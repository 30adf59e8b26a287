#include "app/SettingsBinding.h"
#include "app/Handlers.h"
#include "app/QtAppearance.h"
#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSpinBox>

namespace {

void SetTextAreaColour(QPlainTextEdit *area, QPalette::ColorRole role, ColorRef colour)
{
    QPalette palette = area->palette();
    palette.setColor(role, ToQColor(colour, palette));
    area->setPalette(palette);
}

template <typename Toggle>
void BindToggle(Toggle *toggle, OptionsStore &options, OptionsStore::Switch option,
                const std::function<void(bool on)> &apply)
{
    toggle->setChecked(options.IsOn(option));
    apply(toggle->isChecked());
    OnSignal(toggle, &Toggle::toggled, toggle, "a switch's click", [&options, option, apply](bool on) {
        options.Set(option, on);
        apply(on);
    });
}

}  // namespace

void BindSwitch(QCheckBox *box, OptionsStore &options, OptionsStore::Switch option,
                const std::function<void(bool on)> &apply)
{
    BindToggle(box, options, option, apply);
}

void BindSwitch(QAction *item, OptionsStore &options, OptionsStore::Switch option,
                const std::function<void(bool on)> &apply)
{
    BindToggle(item, options, option, apply);
}

SettingsControls::Number CheckBoxValue(QCheckBox *box)
{
    return {[box] { return box->isChecked() ? 1 : 0; }, [box](int value) { box->setChecked(value != 0); }};
}

SettingsControls::Number SpinBoxValue(QSpinBox *box)
{
    return {[box] { return box->value(); }, [box](int value) { box->setValue(value); }};
}

void SetPanelBackground(QWidget *panel, ColorRef colour)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ToQColor(colour, palette));
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

void SetTextColour(QWidget *widget, ColorRef colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ToQColor(colour, palette));
    widget->setPalette(palette);
}

void BindPlacement(SettingsControls &controls, QWidget &window)
{
    controls.window = {[&window] { return PlacementOf(window); },
                       [&window](const WindowPlacement &placement) { Place(window, placement); }, DesktopBounds};
}

// Re1 takes its parent PnRe's colour.
void BindTextBackground(SettingsControls &controls, QWidget *pnRe, QPlainTextEdit *re1)
{
    controls.colours[SettingsField::TextBackground] = [pnRe, re1](ColorRef colour) {
        SetPanelBackground(pnRe, colour);
        SetTextAreaColour(re1, QPalette::Base, colour);
    };
}

WindowPlacement PlacementOf(const QWidget &window)
{
    const QRect normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    const Qt::WindowStates state = window.windowState();
    WindowPlacement placement{{normal.x(), normal.y(), normal.width(), normal.height()}};
    if (state & Qt::WindowFullScreen) {
        placement.state = WindowState::Maximised;
        placement.border = BorderStyle::None;
    } else if (state & Qt::WindowMaximized) {
        placement.state = WindowState::Maximised;
    } else if (state & Qt::WindowMinimized) {
        placement.state = WindowState::Minimised;
    }
    return placement;
}

void Place(QWidget &window, const WindowPlacement &placement)
{
    const WindowBounds &b = placement.bounds;
    window.setGeometry(b.left, b.top, b.width, b.height);
    if (placement.FullScreen())
        window.setWindowState(Qt::WindowFullScreen);
    else if (placement.state == WindowState::Maximised)
        window.setWindowState(Qt::WindowMaximized);
    else if (placement.state == WindowState::Minimised)
        window.setWindowState(Qt::WindowMinimized);
    else
        window.setWindowState(Qt::WindowNoState);
}

WindowBounds DesktopBounds()
{
    QRect area;
    for (const QScreen *screen : QGuiApplication::screens())
        area |= screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}
