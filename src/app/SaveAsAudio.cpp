#include "app/SaveAsAudio.h"
#include "platform/LanguageIds.h"
#include "platform/qt/ThreadTask.h"
#include "reading/ReadingView.h"
#include "voices/VoiceToRender.h"

SaveAsAudio::SaveAsAudio(const Parts &parts)
    : view(parts.window),
      commands(parts.re1, view, renderer, files, std::make_unique<ThreadTask>(),
               AudioExportCommands::Reading{
                   [&foreign = parts.foreignVoice] { return VoiceToRender(foreign, EnglishLanguageId); },
                   [&russian = parts.russianVoice] { return VoiceToRender(russian, RussianLanguageId); },
                   [&reading = parts.reading] { return reading.LangApartChecked(); },
                   [&reading = parts.reading] { return reading.ExtraPauseSeconds(); },
                   parts.documentPath})
{
    view.Cancelled = [this] { commands.CancelExport(); };
}
