#include "app/SettingsBinding.h"
#include "app/ReadingAloud.h"
#include "app/ReadingOptions.h"
#include "app/SpeedReader.h"
#include "app/GroupDisplay.h"
#include "app/SpeedReaderPage.h"
#include "app/TLektavo.h"
#include "app/TSound.h"
#include "platform/TDirectSS.h"
#include "platform/TextArea.h"
#include "platform/qt/QtAppearance.h"
#include <QAction>
#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSpinBox>

namespace {

void SetBackground(QWidget *widget, ColorRef colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(colour, palette));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Re1 takes its parent PnRe's colour.
void SetTextBackground(TLektavo &window, ColorRef colour)
{
    SetBackground(window.PnRe, colour);
    QPalette palette = window.Re1->palette();
    palette.setColor(QPalette::Base, ToQColor(colour, palette));
    window.Re1->setPalette(palette);
}

void SetTextColour(QWidget *widget, ColorRef colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ToQColor(colour, palette));
    widget->setPalette(palette);
}

// Re1's font reaches LbTest and VisibleLineCount through the window's font-change handler.
void SetTextFont(TLektavo &window, const FontDescription &font)
{
    window.Re1->setFont(ToQFont(font));
    QPalette palette = window.Re1->palette();
    palette.setColor(QPalette::Text, ToQColor(font.colour, palette));
    window.Re1->setPalette(palette);
}

SettingsControls::Number CheckBox(QCheckBox *box)
{
    return {[box] { return box->isChecked() ? 1 : 0; }, [box](int value) { box->setChecked(value != 0); }};
}

SettingsControls::Number SpinBox(QSpinBox *box)
{
    return {[box] { return box->value(); }, [box](int value) { box->setValue(value); }};
}

// A value the speed reader keeps, set through its controller, which shows it.
template <typename Value>
SettingsControls::Number SpeedReaderValue(SpeedReaderController &controller, Value SpeedReaderSettings::*value,
                                          void (SpeedReaderController::*set)(Value))
{
    return {[&controller, value] { return int(controller.Settings().*value); },
            [&controller, set](int stored) { (controller.*set)(Value(stored)); }};
}

void BindSpeedReader(SettingsControls &controls, SpeedReader &reader)
{
    using C = SpeedReaderController;
    using S = SpeedReaderSettings;
    C &c = reader.Controller();
    controls.numbers[SettingsField::UdLength] = SpeedReaderValue(c, &S::Length, &C::SetLength);
    controls.numbers[SettingsField::UdDelay] = SpeedReaderValue(c, &S::Delay, &C::SetDelay);
    controls.numbers[SettingsField::Indicators1] = SpeedReaderValue(c, &S::IndicatorsShown, &C::SetIndicatorsShown);
    controls.options[OptionField::UdLongWord] = SpeedReaderValue(c, &S::LongWord, &C::SetLongWord);
    controls.options[OptionField::UdEndOfSentence] = SpeedReaderValue(c, &S::EndOfSentence, &C::SetEndOfSentence);
    controls.options[OptionField::UdComma] = SpeedReaderValue(c, &S::Comma, &C::SetComma);
    controls.options[OptionField::UdLetters] = SpeedReaderValue(c, &S::Letters, &C::SetLetters);
    controls.options[OptionField::UdBack] = SpeedReaderValue(c, &S::Back, &C::SetBack);
    controls.options[OptionField::CbAutoStop] = SpeedReaderValue(c, &S::AutoStop, &C::SetAutoStop);
    controls.options[OptionField::CbNonStop] = SpeedReaderValue(c, &S::NonStop, &C::SetNonStop);
    controls.AcDelay = [&c] { c.AcDelay(); };
    controls.fonts[SettingsField::DisplayFont] = [&reader](const FontDescription &font) {
        reader.Page().SetDisplayFont(ToQFont(font), ToQColor(font.colour, reader.Page().PnSR->palette()));
    };
}

void StopSpeaking(TSound *panel)
{
    try {
        panel->Ds().AudioReset();
    } catch (...) {
    }
}

}  // namespace

SettingsControls BindSettingsControls(TLektavo &window, TextArea &re1)
{
    SettingsControls controls;
    controls.window = {[&window] { return PlacementOf(window); },
                       [&window](const WindowPlacement &placement) { Place(window, placement); }, DesktopBounds};
    controls.text = [&re1] { return re1.Text(); };
    controls.fonts[SettingsField::TextFont] = [&window](const FontDescription &font) { SetTextFont(window, font); };
    controls.colours[SettingsField::TextBackground] = [&window](ColorRef colour) { SetTextBackground(window, colour); };
    controls.colours[SettingsField::DisplayBackground] = [&window](ColorRef colour) {
        SetBackground(window.PnSrBase, colour);
    };
    controls.colours[SettingsField::HighlightBackColor] = [&window](ColorRef colour) {
        SetBackground(window.LbTest, colour);
    };
    controls.colours[SettingsField::HighlightTextColor] = [&window](ColorRef colour) {
        SetTextColour(window.LbTest, colour);
    };
    controls.numbers[SettingsField::MnTaCenter] = {[&window] { return window.MnTaCenter->isChecked() ? 1 : 0; },
                                                   [&window](int centred) { window.SetTextCentred(centred != 0); }};
    controls.options[OptionField::CbAutoActive] = CheckBox(window.CbAutoActive);
    ReadingOptions &reading = *window.Reading->Options;
    controls.options[OptionField::UpDown1] = SpinBox(reading.UpDown1);
    controls.options[OptionField::CbLangApart] = CheckBox(reading.CbLangApart);
    controls.options[OptionField::CbAutoBuffer] = CheckBox(reading.CbAutoBuffer);
    controls.options[OptionField::CbIgnoreLong] = CheckBox(reading.CbIgnoreLong);
    controls.options[OptionField::RgLangs] = {[&reading] { return reading.LangsIndex(); },
                                              [&reading](int index) { reading.SetLangsIndex(index); }};
    controls.AcSoundEnables = [&window] { window.Reading->Controller.AcSoundEnablesExecute(); };
    BindSpeedReader(controls, *window.SpeedReading);
    controls.soundData[SettingsField::Sound1] = [&window] { return window.Sound1->Panel().Data().ToBytes(); };
    controls.soundData[SettingsField::Sound2] = [&window] { return window.Sound2->Panel().Data().ToBytes(); };
    controls.stopVoices = [&window] {
        StopSpeaking(window.Sound1);
        StopSpeaking(window.Sound2);
    };
    return controls;
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
