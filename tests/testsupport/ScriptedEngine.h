#pragma once
#include "platform/TDirectSS.h"
#include <QStringList>
#include <QList>

// A speech engine for tests: a fixed list of voices, every call recorded as a line in Calls
// ("Select 2", "Speak Привет.", "AudioReset", "SetSpeed 88", ...), OnAudioStop raised when the
// test calls FinishUtterance(), OnWord when it calls PlayWord(). Failures can be scripted per operation name.
class ScriptedEngine : public TDirectSS {
public:
    struct Voice {
        QString modeName;
        int languageId = 1033;
        QString mfgName = "Scripted";
        QString productName = "Scripted";
        QString speakerName = "Speaker";
    };

    QList<Voice> Voices;
    QStringList Calls;
    QStringList FailingOperations;  // operation names that throw SpeechError
    int FailingLanguageOf = 0;      // the voice whose language cannot be read
    QString Pending;                // the utterance being "played", empty when silent
    bool Paused = false;
    int SelectedEngine = 0;
    int SpeedValue = 100, PitchValue = 100, VolumeLeftValue = 0xFFFF, VolumeRightValue = 0xFFFF;
    int MinSpeedValue = 75, MaxSpeedValue = 190, MinPitchValue = 50, MaxPitchValue = 300;
    int MinVolumeValue = 0, MaxVolumeValue = 0xFFFF;

    void FinishUtterance();  // the pending utterance has been played: raises OnAudioStop
    void PlayWord(const QString &word);  // of the pending utterance, its first occurrence: raises OnWord
    QStringList Spoken() const;  // the texts passed to Speak, in order

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

private:
    void Record(const QString &operation, const QString &argument = {});
    const Voice &VoiceAt(int engine) const;
};
