#include "ScriptedEngine.h"

void ScriptedEngine::Record(const QString &operation, const QString &argument)
{
    Calls << (argument.isEmpty() ? operation : operation + ' ' + argument);
    if (FailingOperations.contains(operation))
        throw SpeechError(("scripted failure of " + operation).toStdString());
}

const ScriptedEngine::Voice &ScriptedEngine::VoiceAt(int engine) const
{
    if (engine < 1 || engine > Voices.size())
        throw SpeechError("no such engine");
    return Voices[engine - 1];
}

void ScriptedEngine::FinishUtterance()
{
    if (Pending.isEmpty())
        return;
    Pending.clear();
    if (OnAudioStop)
        OnAudioStop(this, 0, 0);
}

void ScriptedEngine::PlayWord(const QString &word)
{
    const int position = int(Pending.indexOf(word));
    if (position >= 0 && OnWord)
        OnWord(this, position, int(word.size()));
}

QStringList ScriptedEngine::Spoken() const
{
    QStringList texts;
    for (const QString &call : Calls)
        if (call.startsWith("Speak "))
            texts << call.mid(6);
    return texts;
}

int ScriptedEngine::EngineCount() { Record("EngineCount"); return int(Voices.size()); }
QString ScriptedEngine::ModeName(int engine) { return VoiceAt(engine).modeName; }
QString ScriptedEngine::MfgName(int engine) { return VoiceAt(engine).mfgName; }
QString ScriptedEngine::ProductName(int engine) { return VoiceAt(engine).productName; }
QString ScriptedEngine::SpeakerName(int engine) { return VoiceAt(engine).speakerName; }
int ScriptedEngine::LanguageId(int engine)
{
    if (engine == FailingLanguageOf)
        throw SpeechError("language unavailable");
    return VoiceAt(engine).languageId;
}

void ScriptedEngine::Select(int engine)
{
    Record("Select", QString::number(engine));
    VoiceAt(engine);
    SelectedEngine = engine;
}

void ScriptedEngine::Speak(const QString &text)
{
    Record("Speak", text);
    Pending = text;
}

void ScriptedEngine::AudioPause() { Record("AudioPause"); Paused = true; }
void ScriptedEngine::AudioResume() { Record("AudioResume"); Paused = false; }
void ScriptedEngine::AudioReset() { Record("AudioReset"); Pending.clear(); Paused = false; }

int ScriptedEngine::Speed() { Record("Speed"); return SpeedValue; }
void ScriptedEngine::SetSpeed(int value) { Record("SetSpeed", QString::number(value)); SpeedValue = value; }
int ScriptedEngine::Pitch() { Record("Pitch"); return PitchValue; }
void ScriptedEngine::SetPitch(int value) { Record("SetPitch", QString::number(value)); PitchValue = value; }
int ScriptedEngine::VolumeLeft() { return VolumeLeftValue; }
void ScriptedEngine::SetVolumeLeft(int value) { Record("SetVolumeLeft", QString::number(value)); VolumeLeftValue = value; }
int ScriptedEngine::VolumeRight() { return VolumeRightValue; }
void ScriptedEngine::SetVolumeRight(int value) { Record("SetVolumeRight", QString::number(value)); VolumeRightValue = value; }
int ScriptedEngine::MinSpeed() { return MinSpeedValue; }
int ScriptedEngine::MaxSpeed() { return MaxSpeedValue; }
int ScriptedEngine::MinPitch() { return MinPitchValue; }
int ScriptedEngine::MaxPitch() { return MaxPitchValue; }
int ScriptedEngine::MinVolumeLeft() { return MinVolumeValue; }
int ScriptedEngine::MaxVolumeLeft() { return MaxVolumeValue; }
