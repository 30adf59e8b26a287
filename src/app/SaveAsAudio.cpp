#include "app/SaveAsAudio.h"
#include "platform/LanguageIds.h"
#include "platform/qt/ThreadTask.h"
#include "reading/LanguageDispatch.h"
#include "reading/ReadingController.h"
#include "voices/VoiceToRender.h"

SaveAsAudio::SaveAsAudio(const Parts &parts)
    : view(parts.window),
      commands(parts.re1, view, parts.renderer, files, std::make_unique<ThreadTask>(),
               AudioExportCommands::Reading{
                   [&foreign = parts.foreignVoice] { return VoiceToRender(foreign, EnglishLanguageId); },
                   [&russian = parts.russianVoice] { return VoiceToRender(russian, RussianLanguageId); },
                   [&reading = parts.reading] { return reading.CurrentOptions().LangApart; },
                   [&reading = parts.reading] { return reading.CurrentOptions().ExtraPause; },
                   parts.documentPath,
                   [&reading = parts.reading] {
                       const ReadingController::Options &options = reading.CurrentOptions();
                       ReadingRules rules;
                       rules.knowAbbreviations = options.KnowAbbreviations;
                       rules.englishRuns = options.EnglishRuns;
                       if (const LanguageDispatch &dispatch = reading.Dispatch(); dispatch.Pronunciation) {
                           rules.pronunciation = dispatch.Pronunciation();
                           rules.russianStyle = dispatch.RussianStyle ? dispatch.RussianStyle() : rules.russianStyle;
                       }
                       return rules;
                   }})
{
    view.Cancelled = [this] { commands.CancelExport(); };
}
