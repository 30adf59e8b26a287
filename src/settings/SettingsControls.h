#pragma once
#include "settings/SettingsRecord.h"
#include "settings/WindowPlacement.h"
#include <QByteArray>
#include <QString>
#include <functional>
#include <map>

// The controls of the main window that show settings, as the settings logic reaches them: per
// field a getter and a setter. The main window fills in one entry per control; a field without an
// entry is neither applied nor gathered, so its stored value passes through unchanged.
struct SettingsControls {
    struct Number {
        std::function<int()> get;      // may be empty when the value is never gathered
        std::function<void(int)> set;
    };
    struct Window {
        std::function<WindowPlacement()> get;
        std::function<void(const WindowPlacement &)> set;
        std::function<WindowBounds()> desktop;  // the area the desktop offers to windows
    };

    // Up-downs (UdLongWord ... UpDown1), check boxes (Cb...) and the radio group RgLangs. A check
    // box or the radio group is set only when its value differs from the one shown, so its setter
    // may run the control's click handler as a user's click would.
    std::map<OptionField, Number> options;
    // UdLength, UdDelay and the check marks Indicators1, MnTaCenter, MnFind1; those with a getter
    // are gathered at exit.
    std::map<SettingsField, Number> numbers;
    // TextBackground, DisplayBackground, HighlightTextColor, HighlightBackColor.
    std::map<SettingsField, std::function<void(ColorRef)>> colours;
    // TextFont (also the line-height probe LbTest, then VisibleLineCount) and DisplayFont (also the
    // measuring surface and the colour of the speed labels).
    std::map<SettingsField, std::function<void(const FontDescription &)>> fonts;
    // Sound1, Sound2: the voice panel's 3620-byte record.
    std::map<SettingsField, std::function<QByteArray()>> soundData;
    Window window;

    std::function<void()> AcSoundEnables;
    std::function<void()> AcDelay;
    std::function<QString()> text;         // the text area's text, CR LF line breaks
    std::function<void()> stopVoices;      // AudioReset on Sound1, then Sound2
};

// Options → controls: the six up-downs, the check boxes, RgLangs, then AcSoundEnables.
void ApplyOptions(const OptionsRecord &options, const SettingsControls &controls);
// Controls → options: the six up-downs, the check boxes and RgLangs. Reserved bytes stay.
void GatherOptions(const SettingsControls &controls, OptionsRecord &options);
// Record → window and controls: placement, fonts, colours, check marks, UdLength and UdDelay
// (then AcDelay), and CbAutoActive. May change the stored window state (see StartPlacement).
void ApplyAppearance(SettingsRecord &record, const SettingsControls &controls);
