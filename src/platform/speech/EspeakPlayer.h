#pragma once
#include <QObject>
#include <QString>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>

class AudioOutput;
class EspeakSynthesizer;

// Speaks with the embedded espeak-ng: each utterance is synthesised on the synthesizer's worker
// thread, cut of its leading and trailing silence, and played through an AudioOutput of its own.
// Utterances queue; Finished is raised on this object's thread once after each has been played,
// WordReached as the sound of each of its words is played.
class EspeakPlayer : public QObject {
    Q_OBJECT
public:
    explicit EspeakPlayer(EspeakSynthesizer &synthesizer);  // which outlives the player
    ~EspeakPlayer() override;

    // rate in words per minute, pitch 0..100; throws SpeechError when the last utterance failed
    void Speak(const QByteArray &voice, const QString &language, const QString &text, int rate,
               int pitch);
    void Pause();
    void Resume();
    void Reset();
    void SetVolume(double linear);

    // The library's rate that makes a voice of this language speak at rate words per minute:
    // its Russian runs faster than its English at the same setting.
    static int EspeakRate(int rate, const QString &language);

    std::function<void()> Finished;
    std::function<void(int position, int length)> WordReached;  // in the text of its Speak

private:
    struct Utterance {
        quint64 id = 0;
        QByteArray voice;
        QString language;
        QString text;
        int rate = 0;
        int pitch = 0;
    };

    void StartNext();
    void OnDrained(quint64 utterance);
    void OnReached(quint64 utterance, int position, int length);
    void OnFailed(quint64 utterance, const QString &reason, bool sounded);

    EspeakSynthesizer &synthesizer_;
    AudioOutput *output_;
    std::shared_ptr<std::atomic_bool> cancelled_;
    std::deque<Utterance> waiting_;
    quint64 current_ = 0;
    quint64 lastId_ = 0;
    QString failure_;
};
