#pragma once
#include "SpeechVoice.h"
#include "PhonemeInput.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// The owner of libespeak-ng. The library keeps global state, so every call into it runs on this
// object's worker thread, and a second synthesizer made while one lives throws std::logic_error;
// the run's one is made by SpeechSystem. Jobs are synthesised one after the other, each into PCM
// (mono, signed 16 bit, SampleRate() Hz) handed to the job's own callbacks on the worker thread.
class EspeakSynthesizer {
public:
    using Voice = EspeakVoiceEntry;

    struct Job {
        QByteArray voice;  // a Voice::identifier
        int rate = 175;    // words per minute
        int pitch = 50;    // 0..100
        QString text;
        std::shared_ptr<std::atomic_bool> cancelled;  // set to stop the job after its current buffer
        std::function<void(const short *samples, int count)> samples;
        std::function<void(bool ok)> finished;  // ok is false when the voice could not be loaded
        // May be left empty: a word of the text starts at this sample of the job's sound (counted
        // from its first sample); its position and length in text. Comes before that sample.
        std::function<void(qint64 sample, int position, int length)> word;
        int toldStart = -1, toldEnd = -1;  // the span of the word told last
    };

    EspeakSynthesizer();
    ~EspeakSynthesizer();
    EspeakSynthesizer(const EspeakSynthesizer &) = delete;
    EspeakSynthesizer &operator=(const EspeakSynthesizer &) = delete;

    bool Available() const { return sampleRate_ > 0; }  // false when the library or its data is missing
    int SampleRate() const { return sampleRate_; }
    const QList<Voice> &Voices() const { return voices_; }

    void Synthesize(Job job);
    // How the voice reads the text, in the International Phonetic Alphabet, empty when it cannot
    // be told. Runs on the worker before the jobs still waiting, once the running one is done.
    QString Transcription(const QByteArray &voice, const QString &text);
    // Cancels the jobs that carry this flag and returns once none of them runs any more.
    void CancelAndWait(const std::shared_ptr<std::atomic_bool> &cancelled);

private:
    void Run();
    void Initialize();
    void Perform(Job &job);
    static int OnSynthesized(short *samples, int count, void *events);
    static void TellWord(Job &job, const void *event, int sampleRate, const PhonemeInput &input);

    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> jobs_;
    std::deque<std::function<void()>> calls_;  // to run on the worker before the next job
    const Job *running_ = nullptr;
    bool stopping_ = false;
    bool initialized_ = false;
    int sampleRate_ = 0;
    QList<Voice> voices_;
};
