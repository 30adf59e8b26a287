#include "workspace/AppearanceCommands.h"
#include "settings/SettingsControls.h"
#include "settings/SettingsRecord.h"
#include "workspace/AppearanceDialogs.h"

AppearanceCommands::AppearanceCommands(SettingsRecord &record, const SettingsControls &controls,
                                       AppearanceDialogs &dialogs)
    : record(record), controls(controls), dialogs(dialogs)
{
}

void AppearanceCommands::ChooseFont(SettingsField field)
{
    if (const auto font = dialogs.ChooseFont(FontFromRecord(record.Font(field))))
        StoreAndShowFont(field, *font);
}

// The display font's colour is chosen on its own and stored as part of the font.
void AppearanceCommands::PnFontColor1Click()
{
    FontDescription font = FontFromRecord(record.Font(SettingsField::DisplayFont));
    const auto colour = dialogs.ChooseColour(font.colour);
    if (!colour)
        return;
    font.colour = *colour;
    StoreAndShowFont(SettingsField::DisplayFont, font);
}

void AppearanceCommands::StoreAndShowFont(SettingsField field, const FontDescription &font)
{
    record.SetFont(field, FontToRecord(font));
    if (const auto show = controls.fonts.find(field); show != controls.fonts.end() && show->second)
        show->second(font);
}

void AppearanceCommands::ChooseColour(SettingsField field)
{
    const auto colour = dialogs.ChooseColour(record.Colour(field));
    if (!colour)
        return;
    record.SetColour(field, *colour);
    if (const auto show = controls.colours.find(field); show != controls.colours.end() && show->second)
        show->second(*colour);
}
