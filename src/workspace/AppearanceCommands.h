#pragma once
#include "settings/FontRecord.h"
#include "settings/SettingsFields.h"

class AppearanceDialogs;
class SettingsRecord;
struct SettingsControls;

// The commands of "Вид" and the popup menus that choose a font or a colour: the text's font and
// background, the display's font, font colour and background, and the colours of the sentence
// read aloud. A choice is written into the settings record at once and shown at once through the
// same controls that show the stored settings at start; a cancelled dialog changes nothing.
class AppearanceCommands {
public:
    AppearanceCommands(SettingsRecord &record, const SettingsControls &controls, AppearanceDialogs &dialogs);

    void Re1Font1Click() { ChooseFont(SettingsField::TextFont); }
    void Re1Color1Click() { ChooseColour(SettingsField::TextBackground); }
    void PnFont1Click() { ChooseFont(SettingsField::DisplayFont); }
    void PnFontColor1Click();
    void PnColor1Click() { ChooseColour(SettingsField::DisplayBackground); }
    void IndicatorsColor1Click() { ChooseColour(SettingsField::HighlightTextColor); }
    void BgHightLight1Click() { ChooseColour(SettingsField::HighlightBackColor); }

private:
    void ChooseFont(SettingsField field);
    void ChooseColour(SettingsField field);
    void StoreAndShowFont(SettingsField field, const FontDescription &font);

    SettingsRecord &record;
    const SettingsControls &controls;
    AppearanceDialogs &dialogs;
};
