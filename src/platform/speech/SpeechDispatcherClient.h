#pragma once
#include "MarkedText.h"
#include "SpeechVoice.h"
#include <QObject>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include <libspeechd.h>

// Speaks through speech-dispatcher, one connection per client. Messages go at message priority,
// so that they queue and each ends with exactly one END or CANCEL, and as SSML with a mark before
// each word and one behind the last sound (see MarkedText). Events are handed to this object's
// thread. The end mark raises Finished: the service reports END only after the voice's own
// silence behind the sentence, so the next Speak cuts that silence off instead of waiting behind
// it. A module that reports no marks (one that strips SSML) ends its utterances with END.
// Pausing in the service wedges or loses messages, so a pause cancels the utterances and a resume
// speaks them again from the last word reached, or from their start when no mark came.
// A service that goes away ends the utterance under way as if it had been spoken.
class SpeechDispatcherClient : public QObject {
    Q_OBJECT
public:
    SpeechDispatcherClient();
    ~SpeechDispatcherClient() override;

    // rate, pitch and volume on the service's scale, -100..100; throws SpeechError
    void Speak(const SpeechVoice &voice, const QString &text, int rate, int pitch, int volume);
    void Pause();
    void Resume();
    void Reset();

    std::function<void()> Finished;
    std::function<void(int position, int length)> WordReached;  // in the text of its Speak

private:
    struct Utterance {
        int message = 0;  // the service's message id; negative for a text with nothing to say
        SpeechVoice voice;
        MarkedText text;
        int from = 0;      // the word it is spoken from
        int reached = -1;  // the last word whose mark came
        int rate = 0;
        int pitch = 0;
        int volume = 0;
    };

    void Connect();
    void Disconnect();
    bool ConnectionLost() const;
    void Say(Utterance utterance);
    void OnEnd(int message);
    void OnCancel(int message);
    void OnMark(int message, const QByteArray &name);
    void Forget(int message);
    void CancelAll();
    void CheckConnection();
    static void OnServiceEvent(size_t message, size_t client, int type, const QByteArray &mark);

    SPDConnection *connection_ = nullptr;
    int clientId_ = 0;
    QList<Utterance> speaking_;  // handed to the service, oldest first
    QList<int> finishing_;       // past their end mark, in the silence behind their sound
    QList<Utterance> paused_;
    QTimer watchdog_;
    int blankMessages_ = 0;
    QByteArray module_, voice_;
};

// Asks the service for its voices on a thread of its own, so that a service that hangs keeps
// neither the start nor the exit waiting: Voices waits no longer than its time limit, and the
// destructor interrupts a call to the service that still hangs and joins the thread.
// The espeak-ng module is not asked: it has the embedded engine's voices under the same names.
class ServiceVoiceQuery {
public:
    explicit ServiceVoiceQuery(const QList<SpeechVoice> &embedded);
    ~ServiceVoiceQuery();
    ServiceVoiceQuery(const ServiceVoiceQuery &) = delete;
    ServiceVoiceQuery &operator=(const ServiceVoiceQuery &) = delete;

    // Nothing when the service has not answered within the time limit.
    std::optional<QList<SpeechVoice>> Voices(std::chrono::milliseconds timeLimit);

private:
    void Ask(const QList<SpeechVoice> &embedded);
    void Interrupt();

    std::mutex mutex_;
    std::condition_variable answered_;
    std::optional<QList<SpeechVoice>> voices_;
    std::thread thread_;
};
