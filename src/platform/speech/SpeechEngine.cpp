#include "SpeechEngine.h"
#include "EspeakSynthesizer.h"
#include "EspeakPlayer.h"
#include "SpeechDispatcherClient.h"
#include "platform/Guarded.h"
#include <algorithm>

namespace {

// Ranges under which the panels' default positions (speed 12, pitch 12, volume 90 of 100) give a
// natural voice: about 180 words a minute, the voice's own pitch, nearly full volume.
const SpeechEngine::Scales EmbeddedScales{{135, 440, 171}, {44, 94, 50}, {0, 100, 90}};
const SpeechEngine::Scales ServiceScales{{-12, 88, 0}, {-12, 88, 0}, {-100, 100, 80}};

}  // namespace

const SpeechEngine::Scales &SpeechEngine::ScalesOf(SpeechVoice::Backend backend)
{
    return backend == SpeechVoice::Backend::Embedded ? EmbeddedScales : ServiceScales;
}

SpeechEngine::SpeechEngine(EspeakSynthesizer &synthesizer, QList<SpeechVoice> voices)
    : synthesizer_(synthesizer), voices_(std::move(voices))
{
    if (!voices_.isEmpty())
        selected_ = 1;
    const Scales &scales = SelectedScales();
    speed_ = scales.speed.natural;
    pitch_ = scales.pitch.natural;
    volumeLeft_ = volumeRight_ = scales.volume.natural;
}

SpeechEngine::~SpeechEngine() = default;

const SpeechVoice &SpeechEngine::VoiceAt(int engine) const
{
    if (engine < 1 || engine > voices_.size())
        throw SpeechError("there is no voice number " + std::to_string(engine));
    return voices_[engine - 1];
}

const SpeechVoice &SpeechEngine::Selected() const
{
    return VoiceAt(selected_);
}

const SpeechEngine::Scales &SpeechEngine::SelectedScales() const
{
    if (selected_ == 0)
        return EmbeddedScales;
    return ScalesOf(Selected().backend);
}

EspeakPlayer &SpeechEngine::Embedded()
{
    if (!embedded_) {
        embedded_ = std::make_unique<EspeakPlayer>(synthesizer_);
        embedded_->Finished = [this] { RaiseAudioStop(); };
        embedded_->WordReached = [this](int position, int length) { RaiseWord(position, length); };
        ApplyVolume();
    }
    return *embedded_;
}

SpeechDispatcherClient &SpeechEngine::Service()
{
    if (!service_) {
        service_ = std::make_unique<SpeechDispatcherClient>();
        service_->Finished = [this] { RaiseAudioStop(); };
        service_->WordReached = [this](int position, int length) { RaiseWord(position, length); };
    }
    return *service_;
}

void SpeechEngine::RaiseAudioStop()
{
    if (OnAudioStop)
        Guarded("OnAudioStop", [this] { OnAudioStop(this, 0, 0); });
}

void SpeechEngine::RaiseWord(int position, int length)
{
    if (OnWord)
        Guarded("OnWord", [&] { OnWord(this, position, length); });
}

int SpeechEngine::EngineCount() { return int(voices_.size()); }
QString SpeechEngine::ModeName(int engine) { return VoiceAt(engine).modeName; }
QString SpeechEngine::MfgName(int engine) { return VoiceAt(engine).mfgName; }
QString SpeechEngine::ProductName(int engine) { return VoiceAt(engine).productName; }
QString SpeechEngine::SpeakerName(int engine) { return VoiceAt(engine).speakerName; }
int SpeechEngine::LanguageId(int engine) { return VoiceAt(engine).languageId; }

// Values on one backend's scale mean nothing on the other's: a voice of the other backend starts
// from its natural values.
void SpeechEngine::Select(int engine)
{
    const SpeechVoice::Backend backend = VoiceAt(engine).backend;
    const bool sameScales = selected_ != 0 && Selected().backend == backend;
    selected_ = engine;
    if (!sameScales) {
        const Scales &scales = SelectedScales();
        speed_ = scales.speed.natural;
        pitch_ = scales.pitch.natural;
        volumeLeft_ = volumeRight_ = scales.volume.natural;
    }
    ApplyVolume();
}

void SpeechEngine::Speak(const QString &text)
{
    const SpeechVoice &voice = Selected();
    if (voice.backend == SpeechVoice::Backend::Embedded)
        Embedded().Speak(voice.synthesisName, voice.language, text, speed_, pitch_);
    else
        Service().Speak(voice, text, speed_, pitch_, volumeLeft_);
}

void SpeechEngine::AudioPause()
{
    if (embedded_)
        embedded_->Pause();
    if (service_)
        service_->Pause();
}

void SpeechEngine::AudioResume()
{
    if (embedded_)
        embedded_->Resume();
    if (service_)
        service_->Resume();
}

void SpeechEngine::AudioReset()
{
    if (embedded_)
        embedded_->Reset();
    if (service_)
        service_->Reset();
}

void SpeechEngine::ApplyVolume()
{
    if (embedded_ && selected_ != 0 && Selected().backend == SpeechVoice::Backend::Embedded) {
        const Scale &volume = EmbeddedScales.volume;
        embedded_->SetVolume(double(volumeLeft_ - volume.min) / (volume.max - volume.min));
    }
}

int SpeechEngine::Speed() { return speed_; }
int SpeechEngine::Pitch() { return pitch_; }
int SpeechEngine::VolumeLeft() { return volumeLeft_; }
int SpeechEngine::VolumeRight() { return volumeRight_; }

void SpeechEngine::SetSpeed(int value)
{
    speed_ = std::clamp(value, MinSpeed(), MaxSpeed());
}

void SpeechEngine::SetPitch(int value)
{
    pitch_ = std::clamp(value, MinPitch(), MaxPitch());
}

void SpeechEngine::SetVolumeLeft(int value)
{
    volumeLeft_ = std::clamp(value, MinVolumeLeft(), MaxVolumeLeft());
    ApplyVolume();
}

// The output is mono: the right channel is kept for the caller but the left one sets the level.
void SpeechEngine::SetVolumeRight(int value)
{
    volumeRight_ = std::clamp(value, MinVolumeLeft(), MaxVolumeLeft());
}

int SpeechEngine::MinSpeed() { return SelectedScales().speed.min; }
int SpeechEngine::MaxSpeed() { return SelectedScales().speed.max; }
int SpeechEngine::MinPitch() { return SelectedScales().pitch.min; }
int SpeechEngine::MaxPitch() { return SelectedScales().pitch.max; }
int SpeechEngine::MinVolumeLeft() { return SelectedScales().volume.min; }
int SpeechEngine::MaxVolumeLeft() { return SelectedScales().volume.max; }

QString SpeechEngine::Transcription(const QString &text)
{
    if (selected_ == 0)
        return {};
    const SpeechVoice &voice = Selected();
    return voice.backend == SpeechVoice::Backend::Embedded ? synthesizer_.Transcription(voice.synthesisName, text)
                                                           : QString();
}
