#include "SpeechSystem.h"
#include "EspeakSynthesizer.h"
#include "SpeechDispatcherClient.h"
#include "SpeechEngine.h"
#include "platform/audio/EmbeddedRenderer.h"

namespace {

// How long the start-up waits for speech-dispatcher to list its voices.
constexpr std::chrono::milliseconds ServiceTimeLimit(1500);

}  // namespace

SpeechSystem::SpeechSystem() = default;
SpeechSystem::~SpeechSystem() = default;

EspeakSynthesizer &SpeechSystem::Synthesizer()
{
    if (!synthesizer_)
        synthesizer_ = std::make_unique<EspeakSynthesizer>();
    return *synthesizer_;
}

const QList<SpeechVoice> &SpeechSystem::Voices()
{
    if (!voices_) {
        const QList<SpeechVoice> embedded = EmbeddedVoiceList(Synthesizer().Voices());
        serviceQuery_ = std::make_unique<ServiceVoiceQuery>(embedded);
        voices_ = embedded + serviceQuery_->Voices(ServiceTimeLimit).value_or(QList<SpeechVoice>());
    }
    return *voices_;
}

std::unique_ptr<SpeechEngine> SpeechSystem::NewEngine()
{
    return std::make_unique<SpeechEngine>(Synthesizer(), Voices());
}

std::unique_ptr<SpeechRenderer> SpeechSystem::NewRenderer()
{
    return std::make_unique<EmbeddedRenderer>(Synthesizer());
}
