#pragma once
#include <QAudio>
#include <QAudioFormat>
#include <QObject>
#include <QByteArray>
#include <QPointer>
#include <deque>
#include <mutex>

class QAudioSink;
class QIODevice;
class QTimer;

// Plays the PCM of one utterance at a time through its own QAudioSink in push mode, on the
// process's audio thread, so that a busy user-interface thread never starves the sound.
// Samples arrive from any thread (Append, Finish); the controls may be called from any thread and
// take effect on the audio thread in the order they were called. Drained is emitted once the last
// sample of an utterance has been played, Failed when the sound device gave up; an utterance that
// was stopped emits neither. Reached tells a marked point of the sound once the sink's played
// position has passed it.
class AudioOutput : public QObject {
    Q_OBJECT
public:
    static constexpr int BufferMs = 40;

    explicit AudioOutput(int sampleRate);
    ~AudioOutput() override;

    void Begin(quint64 utterance);  // forgets any earlier utterance
    void Append(quint64 utterance, const short *samples, int count);
    void Finish(quint64 utterance);  // no more samples will come
    // sample: counted from the utterance's first appended sample; position and length: what the
    // point stands for, handed back by Reached. Points come in the order of their samples.
    void Mark(quint64 utterance, qint64 sample, int position, int length);
    void Pause();
    void Resume();
    void Stop();
    void SetVolume(double linear);

    // Sets the output apart for destruction once every pending call has run on the audio thread.
    void Dispose();

signals:
    void Drained(quint64 utterance);
    void Reached(quint64 utterance, int position, int length);
    void Failed(quint64 utterance, const QString &reason, bool sounded);

private:
    void Open(quint64 utterance);
    void Close();
    void Feed();
    void PostFeed();
    void OnStateChanged(QAudio::State told);
    void Drain();
    void TellReached(qint64 played);
    bool Current(quint64 utterance) const;

    struct Point {
        qint64 sample;
        int position, length;
    };

    QAudioFormat format_;
    double volume_ = 1.0;

    // Shared with the threads that deliver samples.
    mutable std::mutex mutex_;
    quint64 current_ = 0;
    QByteArray pending_;
    bool finished_ = false;
    bool feedPosted_ = false;
    std::deque<Point> points_;

    // Audio thread only.
    quint64 playing_ = 0;
    QAudioSink *sink_ = nullptr;
    QIODevice *device_ = nullptr;
    QTimer *feedTimer_ = nullptr;
    qint64 written_ = 0;
    bool sounding_ = false;  // the sink has been active: a later idle state means it ran dry
    bool waitingForFullBuffer_ = true;  // the stream has not started, or ran dry since
};
