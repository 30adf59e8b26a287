#pragma once
#include "SpeechVoice.h"
#include "platform/TDirectSS.h"
#include <memory>

class EspeakPlayer;
class EspeakSynthesizer;
class SpeechDispatcherClient;

// The program's speech engine: the embedded espeak-ng voices first, then the voices of
// speech-dispatcher when it answered at start-up. Each voice panel owns an instance, made by the
// run's SpeechSystem, which lists the voices once. Engine 1 is selected until Select says otherwise.
// Speed, pitch and volume keep their values across Select between voices of one backend and apply
// from the next Speak (volume of an embedded voice at once); values outside the selected voice's
// range are brought into it.
class SpeechEngine : public TDirectSS {
public:
    // voices: the installed ones, embedded then service; the synthesizer outlives the engine.
    SpeechEngine(EspeakSynthesizer &synthesizer, QList<SpeechVoice> voices);
    ~SpeechEngine() override;

    int EngineCount() override;
    QString ModeName(int engine) override;
    QString MfgName(int engine) override;
    QString ProductName(int engine) override;
    QString SpeakerName(int engine) override;
    int LanguageId(int engine) override;

    void Select(int engine) override;
    void Speak(const QString &text) override;
    void AudioPause() override;
    void AudioResume() override;
    void AudioReset() override;

    int Speed() override;
    void SetSpeed(int value) override;
    int Pitch() override;
    void SetPitch(int value) override;
    int VolumeLeft() override;
    void SetVolumeLeft(int value) override;
    int VolumeRight() override;
    void SetVolumeRight(int value) override;

    int MinSpeed() override;
    int MaxSpeed() override;
    int MinPitch() override;
    int MaxPitch() override;
    int MinVolumeLeft() override;
    int MaxVolumeLeft() override;
    QString Transcription(const QString &text) override;  // of an embedded voice only

    struct Scale {
        int min, max, natural;
    };
    struct Scales {
        Scale speed, pitch, volume;
    };
    static const Scales &ScalesOf(SpeechVoice::Backend backend);

private:
    const SpeechVoice &VoiceAt(int engine) const;
    const SpeechVoice &Selected() const;
    const Scales &SelectedScales() const;
    EspeakPlayer &Embedded();
    SpeechDispatcherClient &Service();
    void RaiseAudioStop();
    void RaiseWord(int position, int length);
    void ApplyVolume();

    EspeakSynthesizer &synthesizer_;
    QList<SpeechVoice> voices_;
    int selected_ = 0;
    int speed_ = 0, pitch_ = 0, volumeLeft_ = 0, volumeRight_ = 0;
    std::unique_ptr<EspeakPlayer> embedded_;
    std::unique_ptr<SpeechDispatcherClient> service_;
};
