#include "SpeedReader.h"
#include "GroupDisplay.h"
#include "SettingsBinding.h"
#include "app/QtAppearance.h"

namespace {

// A value the speed reader keeps, set through its controller, which shows it.
template <typename Value>
SettingsControls::Number SpeedReaderValue(SpeedReaderController &controller, Value SpeedReaderSettings::*value,
                                          void (SpeedReaderController::*set)(Value))
{
    return {[&controller, value] { return int(controller.Settings().*value); },
            [&controller, set](int stored) { (controller.*set)(Value(stored)); }};
}

} // namespace

SpeedReader::SpeedReader(QWidget *pnSrBase, QWidget *pnSettings, TextArea &area)
    : settingsPage(pnSettings), page(pnSrBase, settingsPage),
      controller(area, page.Measurer(), clock, timer1, tmCounting, tmClock, page)
{
    timer1.setObjectName("Timer1");
    tmCounting.setObjectName("TmCounting");
    tmClock.setObjectName("TmClock");
    page.Attach(controller);
    settingsPage.Attach(controller);
}

void SpeedReader::BindSettings(SettingsControls &controls, OptionsStore &switches)
{
    using Switch = OptionsStore::Switch;
    SpeedReaderSettingsPage &s = settingsPage;
    BindSwitch(s.CbFocusPoint, switches, Switch::FocusPoint, [this](bool on) { page.PnSR->SetFocusPoint(on); });
    BindSwitch(s.CbWordsPerMinute, switches, Switch::WordsPerMinute,
               [this](bool on) { page.ShowWordsPerMinute(on); });
    BindSwitch(s.CbContextWhenStopped, switches, Switch::ContextWhenStopped,
               [this](bool on) { controller.SetContextWhenStopped(on); });
    BindSwitch(s.CbSmoothStart, switches, Switch::SmoothStart, [this](bool on) { controller.SetSmoothStart(on); });

    using C = SpeedReaderController;
    using S = SpeedReaderSettings;
    C &c = controller;
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
    controls.fonts[SettingsField::DisplayFont] = [this](const FontDescription &font) {
        page.SetDisplayFont(ToQFont(font), ToQColor(font.colour, page.PnSR->palette()));
    };
    controls.colours[SettingsField::DisplayBackground] = [this](ColorRef colour) {
        SetPanelBackground(page.PnSrBase, colour);
    };
}
