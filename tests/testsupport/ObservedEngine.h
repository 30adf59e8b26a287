#pragma once
#include "platform/TDirectSS.h"
#include <functional>
#include <memory>

// A real engine with a test listening in: every call goes to the engine, and each end of speech
// is told to Heard before it goes on to whoever subscribed to this engine.
class ObservedEngine : public TDirectSS {
public:
    ObservedEngine(std::unique_ptr<TDirectSS> engine, std::function<void()> heard);
    ~ObservedEngine() override;

    int EngineCount() override { return engine->EngineCount(); }
    QString ModeName(int voice) override { return engine->ModeName(voice); }
    QString MfgName(int voice) override { return engine->MfgName(voice); }
    QString ProductName(int voice) override { return engine->ProductName(voice); }
    QString SpeakerName(int voice) override { return engine->SpeakerName(voice); }
    int LanguageId(int voice) override { return engine->LanguageId(voice); }
    void Select(int voice) override { engine->Select(voice); }
    void Speak(const QString &text) override { engine->Speak(text); }
    void AudioPause() override { engine->AudioPause(); }
    void AudioResume() override { engine->AudioResume(); }
    void AudioReset() override { engine->AudioReset(); }
    int Speed() override { return engine->Speed(); }
    void SetSpeed(int value) override { engine->SetSpeed(value); }
    int Pitch() override { return engine->Pitch(); }
    void SetPitch(int value) override { engine->SetPitch(value); }
    int VolumeLeft() override { return engine->VolumeLeft(); }
    void SetVolumeLeft(int value) override { engine->SetVolumeLeft(value); }
    int VolumeRight() override { return engine->VolumeRight(); }
    void SetVolumeRight(int value) override { engine->SetVolumeRight(value); }
    int MinSpeed() override { return engine->MinSpeed(); }
    int MaxSpeed() override { return engine->MaxSpeed(); }
    int MinPitch() override { return engine->MinPitch(); }
    int MaxPitch() override { return engine->MaxPitch(); }
    int MinVolumeLeft() override { return engine->MinVolumeLeft(); }
    int MaxVolumeLeft() override { return engine->MaxVolumeLeft(); }

private:
    std::unique_ptr<TDirectSS> engine;
    std::function<void()> heard;
};
