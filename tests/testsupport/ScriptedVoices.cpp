#include "testsupport/ScriptedVoices.h"
#include "testsupport/ScriptedRenderer.h"

ScriptedVoices::ScriptedVoices()
{
    const QList<ScriptedEngine::Voice> voices = {{"English A", 1033}, {"Russian A", 1049},
                                                 {"English B", 2057}, {"Russian B", 1049}};
    auto foreignEngine = std::make_unique<ScriptedEngine>();
    auto russianEngine = std::make_unique<ScriptedEngine>();
    foreignEngine->Voices = russianEngine->Voices = voices;
    foreign = foreignEngine.get();
    russian = russianEngine.get();
    engines = {std::move(foreignEngine), std::move(russianEngine), std::make_unique<ScriptedRenderer>()};
}
