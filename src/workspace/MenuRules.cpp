#include "workspace/MenuRules.h"

namespace {

MenuItemState Enabled(bool enabled)
{
    return {true, enabled, false};
}

MenuItemState Shown(bool shown)
{
    return {shown, true, false};
}

MenuItemState Checked(bool shown, bool checked)
{
    return {shown, true, checked};
}

QMap<QString, MenuItemState> FileMenu(const MenuFacts &f)
{
    return {{"SaveToFile1", Enabled(!f.textBlank)},
            {"SaveAsAudio1", Enabled(!f.textBlank)},
            {"LoadFromClipboard1", Enabled(f.clipboardHasText)},
            {"Clear1", Enabled(!f.textEmpty)}};
}

// The view mode not in force, and the appearance of the tab shown.
QMap<QString, MenuItemState> ViewMenu(const MenuFacts &f)
{
    QMap<QString, MenuItemState> items{{"mnWindow", Shown(f.fullScreen)}, {"mnScreen", Shown(!f.fullScreen)}};
    for (const char *item : {"Re1Font1", "Re1Color1", "N10", "HighLite1", "BgHightLight1", "Line2"})
        items[item] = Shown(f.readingTab);
    items["MnTaCenter"] = Checked(f.readingTab, f.textCentred);
    for (const char *item : {"PnFont1", "PnFontColor1", "PnColor1", "Line3"})
        items[item] = Shown(f.speedReaderTab);
    items["Indicators1"] = Checked(f.speedReaderTab, f.indicatorsShown);
    return items;
}

QMap<QString, MenuItemState> EditMenu(const MenuFacts &f)
{
    return {{"Copy2", Enabled(!f.selectionEmpty)},
            {"Cut2", Enabled(!f.selectionEmpty)},
            {"Paste2", Enabled(f.clipboardHasText)},
            {"SelectAll2", Enabled(!f.textEmpty)},
            {"Sentences1", Enabled(!f.textBlank)},
            {"EnglishRuns1", Checked(true, f.englishRuns)},
            {"MnFind1", Checked(f.readingTab, f.findBarShown)}};
}

QMap<QString, MenuItemState> TextMenu(const MenuFacts &f)
{
    return {{"Copy1", Enabled(!f.selectionEmpty)},
            {"Cut1", Enabled(!f.selectionEmpty)},
            {"Paste1", Enabled(f.clipboardHasText)},
            {"SelectAll1", Enabled(!f.textEmpty)},
            {"LoadFromClipboard3", Enabled(f.clipboardHasText)},
            {"SaveAsAudio2", Enabled(!f.textBlank)},
            {"Clear3", Enabled(!f.textEmpty)}};
}

// "Выделить все" only when there is something left to select.
QMap<QString, MenuItemState> FindFieldMenu(const MenuFacts &f)
{
    const bool selected = f.findFieldSelected > 0;
    return {{"SelectAll22", Enabled(!f.findField.isEmpty() && f.findFieldSelected != f.findField.size())},
            {"Cut22", Enabled(selected)},
            {"Copy22", Enabled(selected)},
            {"Paste22", Enabled(f.clipboardHasText)}};
}

QMap<QString, MenuItemState> DisplayMenu(const MenuFacts &f)
{
    return {{"Indicators3", Checked(true, f.indicatorsShown)},
            {"LoadFromClipboard2", Enabled(f.clipboardHasText)},
            {"Clear2", Enabled(!f.textEmpty)}};
}

} // namespace

QMap<QString, MenuItemState> MenuItemStates(const QString &menu, const MenuFacts &facts)
{
    if (menu == u"MnFile")
        return FileMenu(facts);
    if (menu == u"mnView")
        return ViewMenu(facts);
    if (menu == u"MnEdit1")
        return EditMenu(facts);
    if (menu == u"Pu1")
        return TextMenu(facts);
    if (menu == u"Pu2")
        return FindFieldMenu(facts);
    if (menu == u"Pu3")
        return DisplayMenu(facts);
    return {};
}
