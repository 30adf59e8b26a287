#pragma once
#include <QString>
#include <functional>
#include <stdexcept>

// Thrown by any engine operation that fails; the failure changes nothing else.
class SpeechError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The engine value of a voice panel's slider position (1..100) on the range of a voice.
inline int EngineValue(int minimum, int maximum, int position)
{
    return int(minimum + qint64(maximum - minimum) * position / 100);
}

// A speech engine as the voice panels drive it. Voices ("engines") are numbered 1..EngineCount()
// in an order that stays the same between runs while the installed voices do not change.
// Every call comes from the user-interface thread; OnAudioStop is raised there too, once after
// each utterance has been played to its end, never for a reset utterance or one that played nothing.
// OnWord is raised there as the sound of each word is played, in text order.
class TDirectSS {
public:
    virtual ~TDirectSS() = default;

    virtual int EngineCount() = 0;
    virtual QString ModeName(int engine) = 0;
    virtual QString MfgName(int engine) = 0;
    virtual QString ProductName(int engine) = 0;
    virtual QString SpeakerName(int engine) = 0;
    virtual int LanguageId(int engine) = 0;  // a Windows language id: 1049 Russian, 1033 US English

    virtual void Select(int engine) = 0;
    virtual void Speak(const QString &text) = 0;  // queues the text and returns at once
    virtual void AudioPause() = 0;
    virtual void AudioResume() = 0;
    virtual void AudioReset() = 0;

    virtual int Speed() = 0;
    virtual void SetSpeed(int value) = 0;
    virtual int Pitch() = 0;
    virtual void SetPitch(int value) = 0;
    virtual int VolumeLeft() = 0;
    virtual void SetVolumeLeft(int value) = 0;
    virtual int VolumeRight() = 0;
    virtual void SetVolumeRight(int value) = 0;

    virtual int MinSpeed() = 0;
    virtual int MaxSpeed() = 0;
    virtual int MinPitch() = 0;
    virtual int MaxPitch() = 0;
    virtual int MinVolumeLeft() = 0;
    virtual int MaxVolumeLeft() = 0;

    // How the selected voice reads the text, in the International Phonetic Alphabet; empty for a
    // voice that cannot tell.
    virtual QString Transcription(const QString & /*text*/) { return {}; }

    // ASender, then the two halves of a 64-bit value that nobody uses.
    std::function<void(TDirectSS *sender, quint32 hi, quint32 lo)> OnAudioStop;
    // ASender, then where the word now heard starts in the text of its Speak call and its length,
    // in characters. A voice that cannot tell its words raises none.
    std::function<void(TDirectSS *sender, int position, int length)> OnWord;
};
