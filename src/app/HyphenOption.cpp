#include "app/HyphenOption.h"
#include "app/CommandTable.h"
#include "platform/documents/HyphenDictionary.h"
#include "settings/OptionsStore.h"
#include "workspace/EditingCommands.h"

void AddHyphenOption(CommandTable &commands, EditingCommands &editing, OptionsStore &options)
{
    constexpr OptionsStore::Switch option = OptionsStore::Switch::HyphensByDictionary;
    editing.JudgeForHyphens = [&options]() -> HyphenJudge {
        if (!options.IsOn(option))
            return {};
        return [](QStringView head, QStringView tail) { return HyphenDictionary::Installed().KeepsHyphen(head, tail); };
    };
    commands.Add({{"HyphensByDictionaryClick", QStringLiteral("Переносы по словарю"), {},
                   [&options] { options.Set(option, !options.IsOn(option)); },
                   [&options] { return options.IsOn(option); }}});
}
