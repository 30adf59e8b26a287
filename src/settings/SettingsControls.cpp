#include "settings/SettingsControls.h"
#include <initializer_list>

namespace {

void Run(const std::function<void()> &command)
{
    if (command)
        command();
}

void SetNumber(const SettingsControls::Number *control, int value)
{
    if (control && control->set)
        control->set(value);
}

void SetIfChanged(const SettingsControls::Number *control, int value)
{
    if (control && control->set && !(control->get && control->get() == value))
        control->set(value);
}

template <typename Map, typename Key>
const typename Map::mapped_type *Find(const Map &map, Key key)
{
    const auto found = map.find(key);
    return found == map.end() ? nullptr : &found->second;
}

void ApplyColour(const SettingsRecord &record, const SettingsControls &controls, SettingsField field)
{
    if (const auto *show = Find(controls.colours, field); show && *show)
        (*show)(record.Colour(field));
}

void ApplyFont(const SettingsRecord &record, const SettingsControls &controls, SettingsField field)
{
    if (const auto *show = Find(controls.fonts, field); show && *show)
        (*show)(FontFromRecord(record.Font(field)));
}

void ApplyNumber(const SettingsRecord &record, const SettingsControls &controls, SettingsField field)
{
    SetNumber(Find(controls.numbers, field), record.ControlValue(field));
}

constexpr std::initializer_list<OptionField> kUpDowns{OptionField::UdLongWord, OptionField::UdEndOfSentence,
                                                      OptionField::UdComma,    OptionField::UdLetters,
                                                      OptionField::UdBack,     OptionField::UpDown1};

}  // namespace

void ApplyOptions(const OptionsRecord &options, const SettingsControls &controls)
{
    for (OptionField field : kUpDowns)
        SetNumber(Find(controls.options, field), options.ControlValue(field));
    for (OptionField field : {OptionField::CbNonStop, OptionField::CbAutoActive, OptionField::CbAutoStop,
                              OptionField::CbLangApart, OptionField::CbAutoBuffer, OptionField::CbIgnoreLong,
                              OptionField::RgLangs})
        SetIfChanged(Find(controls.options, field), options.ControlValue(field));
    Run(controls.AcSoundEnables);
}

void GatherOptions(const SettingsControls &controls, OptionsRecord &options)
{
    for (const auto &row : kOptionFields) {
        const auto *control = Find(controls.options, row.field);
        if (control && control->get)
            options.SetControlValue(row.field, control->get());
    }
}

void ApplyAppearance(SettingsRecord &record, const SettingsControls &controls)
{
    if (controls.window.set && controls.window.desktop)
        controls.window.set(StartPlacement(record, controls.window.desktop()));
    ApplyFont(record, controls, SettingsField::TextFont);
    ApplyColour(record, controls, SettingsField::TextBackground);
    ApplyColour(record, controls, SettingsField::DisplayBackground);
    ApplyColour(record, controls, SettingsField::HighlightBackColor);
    ApplyColour(record, controls, SettingsField::HighlightTextColor);
    ApplyNumber(record, controls, SettingsField::Indicators1);
    ApplyFont(record, controls, SettingsField::DisplayFont);
    ApplyNumber(record, controls, SettingsField::UdLength);
    ApplyNumber(record, controls, SettingsField::UdDelay);
    Run(controls.AcDelay);
    ApplyNumber(record, controls, SettingsField::MnTaCenter);
    ApplyNumber(record, controls, SettingsField::MnFind1);
    SetIfChanged(Find(controls.options, OptionField::CbAutoActive), record.Option(OptionField::CbAutoActive));
}
