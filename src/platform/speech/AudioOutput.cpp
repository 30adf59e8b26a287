#include "AudioOutput.h"
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <limits>
#include <vector>

namespace {

constexpr int FeedIntervalMs = 5;

// One thread plays the sound of every output; it ends with the application.
QThread *AudioThread()
{
    static QThread *thread = [] {
        auto *audio = new QThread;
        audio->setObjectName("speech-audio");
        audio->start(QThread::TimeCriticalPriority);
        qAddPostRoutine([] {
            AudioThread()->quit();
            AudioThread()->wait();
        });
        return audio;
    }();
    return thread;
}

template <typename F> void OnAudioThread(QObject *target, F work)
{
    QMetaObject::invokeMethod(target, std::move(work), Qt::QueuedConnection);
}

}  // namespace

AudioOutput::AudioOutput(int sampleRate)
{
    format_.setSampleRate(sampleRate);
    format_.setChannelCount(1);
    format_.setSampleFormat(QAudioFormat::Int16);
    moveToThread(AudioThread());
}

AudioOutput::~AudioOutput()
{
    Close();
}

void AudioOutput::Dispose()
{
    Stop();
    deleteLater();
}

bool AudioOutput::Current(quint64 utterance) const
{
    std::lock_guard lock(mutex_);
    return utterance == current_;
}

void AudioOutput::Begin(quint64 utterance)
{
    {
        std::lock_guard lock(mutex_);
        current_ = utterance;
        pending_.clear();
        points_.clear();
        finished_ = false;
    }
    OnAudioThread(this, [this, utterance] { Open(utterance); });
}

void AudioOutput::Append(quint64 utterance, const short *samples, int count)
{
    {
        std::lock_guard lock(mutex_);
        if (utterance != current_)
            return;
        pending_.append(reinterpret_cast<const char *>(samples), qsizetype(count) * 2);
    }
    PostFeed();
}

void AudioOutput::Finish(quint64 utterance)
{
    {
        std::lock_guard lock(mutex_);
        if (utterance != current_)
            return;
        finished_ = true;
    }
    PostFeed();
}

void AudioOutput::Mark(quint64 utterance, qint64 sample, int position, int length)
{
    std::lock_guard lock(mutex_);
    if (utterance == current_)
        points_.push_back({sample, position, length});
}

void AudioOutput::PostFeed()
{
    {
        std::lock_guard lock(mutex_);
        if (feedPosted_)
            return;
        feedPosted_ = true;
    }
    OnAudioThread(this, [this] {
        {
            std::lock_guard lock(mutex_);
            feedPosted_ = false;
        }
        Feed();
    });
}

void AudioOutput::Pause()
{
    OnAudioThread(this, [this] {
        if (sink_ && sink_->state() != QAudio::StoppedState)
            sink_->suspend();
    });
}

void AudioOutput::Resume()
{
    OnAudioThread(this, [this] {
        if (sink_ && sink_->state() == QAudio::SuspendedState)
            sink_->resume();
    });
}

void AudioOutput::Stop()
{
    {
        std::lock_guard lock(mutex_);
        current_ = 0;
        pending_.clear();
        points_.clear();
        finished_ = false;
    }
    OnAudioThread(this, [this] { Close(); });
}

void AudioOutput::SetVolume(double linear)
{
    OnAudioThread(this, [this, linear] {
        volume_ = linear;
        if (sink_)
            sink_->setVolume(linear);
    });
}

// A new sink for every utterance: restarting a used sink shrinks its buffer in Qt 6.4.
void AudioOutput::Open(quint64 utterance)
{
    Close();
    if (!Current(utterance))
        return;
    playing_ = utterance;
    written_ = 0;
    sounding_ = false;
    waitingForFullBuffer_ = true;
    sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format_, this);
    sink_->setBufferSize(qsizetype(format_.bytesForDuration(BufferMs * 1000)));
    sink_->setVolume(volume_);
    connect(sink_, &QAudioSink::stateChanged, this, &AudioOutput::OnStateChanged);
    device_ = sink_->start();
    if (!device_ || sink_->error() != QAudio::NoError) {
        Close();
        emit Failed(utterance, "the sound output could not be opened", false);
        return;
    }
    if (!feedTimer_) {
        feedTimer_ = new QTimer(this);
        feedTimer_->setTimerType(Qt::PreciseTimer);
        feedTimer_->setInterval(FeedIntervalMs);
        connect(feedTimer_, &QTimer::timeout, this, &AudioOutput::Feed);
    }
    feedTimer_->start();
    Feed();
}

void AudioOutput::Close()
{
    if (feedTimer_)
        feedTimer_->stop();
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        sink_->deleteLater();
    }
    sink_ = nullptr;
    device_ = nullptr;
    playing_ = 0;
}

void AudioOutput::Feed()
{
    if (!sink_ || !device_)
        return;
    QByteArray chunk;
    bool allWritten = false;
    const qsizetype room = sink_->bytesFree() & ~qsizetype(1);
    {
        std::lock_guard lock(mutex_);
        if (playing_ != current_)
            return;
        chunk = pending_.left(room);
        pending_.remove(0, chunk.size());
        allWritten = finished_ && pending_.isEmpty();
        // The stream plays only once its buffer is full, at the start and again after it ran
        // dry: there the last samples are followed by silence up to a full buffer, or a short
        // utterance, or a short tail after the synthesis fell behind, would wait for ever.
        if (allWritten && waitingForFullBuffer_ && written_ + chunk.size() > 0)
            chunk.append(QByteArray(room - chunk.size(), '\0'));
    }
    if (!chunk.isEmpty()) {
        const qint64 accepted = device_->write(chunk);
        written_ += accepted;
        if (accepted == room)
            waitingForFullBuffer_ = false;
    }
    const bool played = written_ == 0
        || (chunk.isEmpty() && sounding_ && sink_->state() == QAudio::IdleState);
    if (allWritten && played) {
        Drain();
        return;
    }
    // A point at the very start waits until the sink has begun to play.
    const qint64 playedSamples = sink_->processedUSecs() * format_.sampleRate() / 1000000;
    TellReached(playedSamples - 1);
}

void AudioOutput::TellReached(qint64 played)
{
    std::vector<Point> reached;
    quint64 utterance;
    {
        std::lock_guard lock(mutex_);
        utterance = current_;
        while (!points_.empty() && points_.front().sample <= played) {
            reached.push_back(points_.front());
            points_.pop_front();
        }
    }
    for (const Point &point : reached)
        emit Reached(utterance, point.position, point.length);
}

// The points in the cut-off silence behind the last sound are told with the end.
void AudioOutput::Drain()
{
    const quint64 utterance = playing_;
    TellReached(std::numeric_limits<qint64>::max());
    Close();
    emit Drained(utterance);
}

// The state told may already have passed: an idle state told from the sound server's thread says
// the stream ran dry even when a write has made it active again since.
void AudioOutput::OnStateChanged(QAudio::State told)
{
    if (!sink_)
        return;
    if (told == QAudio::IdleState)
        waitingForFullBuffer_ = true;
    const quint64 utterance = playing_;
    if (sink_->error() == QAudio::OpenError || sink_->error() == QAudio::IOError
        || sink_->error() == QAudio::FatalError) {
        const bool sounded = sounding_;
        Close();
        emit Failed(utterance, "the sound output failed", sounded);
        return;
    }
    if (sink_->state() == QAudio::ActiveState)
        sounding_ = true;
    if (sink_->state() != QAudio::IdleState || !sounding_)
        return;
    bool allWritten;
    {
        std::lock_guard lock(mutex_);
        allWritten = finished_ && pending_.isEmpty() && playing_ == current_;
    }
    if (!allWritten) {
        Feed();
        return;
    }
    Drain();
}
