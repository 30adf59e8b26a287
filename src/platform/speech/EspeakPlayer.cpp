#include "EspeakPlayer.h"
#include "AudioOutput.h"
#include "EspeakSynthesizer.h"
#include "SilenceTrimmer.h"
#include "platform/TDirectSS.h"
#include <QPointer>
#include <algorithm>
#include <cmath>

namespace {

constexpr int SlowestRate = 80;
constexpr int FastestRate = 450;
constexpr double RussianRateFactor = 0.93;

std::shared_ptr<std::atomic_bool> NewFlag()
{
    return std::make_shared<std::atomic_bool>(false);
}

// The words of one utterance as the synthesis tells them, held until the trimmer knows where
// their samples come out, then handed to the output as points of its sound.
class WordPoints {
public:
    WordPoints(AudioOutput *output, quint64 utterance) : output(output), utterance(utterance) {}

    void Add(qint64 sample, int position, int length) { held.push_back({sample, position, length}); }

    void PassOn(const SilenceTrimmer &trimmer)
    {
        if (!trimmer.PositionsKnown())
            return;
        for (const Word &word : held)
            output->Mark(utterance, qint64(trimmer.OutputPosition(std::size_t(word.sample))),
                         word.position, word.length);
        held.clear();
    }

private:
    struct Word {
        qint64 sample;
        int position, length;
    };
    AudioOutput *output;
    quint64 utterance;
    std::vector<Word> held;
};

}  // namespace

EspeakPlayer::EspeakPlayer(EspeakSynthesizer &synthesizer)
    : synthesizer_(synthesizer), output_(new AudioOutput(synthesizer.SampleRate())), cancelled_(NewFlag())
{
    connect(output_, &AudioOutput::Drained, this, &EspeakPlayer::OnDrained);
    connect(output_, &AudioOutput::Failed, this, &EspeakPlayer::OnFailed);
    connect(output_, &AudioOutput::Reached, this, &EspeakPlayer::OnReached);
}

EspeakPlayer::~EspeakPlayer()
{
    synthesizer_.CancelAndWait(cancelled_);
    output_->Dispose();
}

int EspeakPlayer::EspeakRate(int rate, const QString &language)
{
    const QString tag = language.toLower();
    const bool russian = tag == "ru" || tag.startsWith("ru-");
    const double factor = russian ? RussianRateFactor : 1.0;
    return std::clamp(int(std::lround(rate * factor)), SlowestRate, FastestRate);
}

void EspeakPlayer::Speak(const QByteArray &voice, const QString &language, const QString &text,
                         int rate, int pitch)
{
    if (!synthesizer_.Available())
        throw SpeechError("the espeak-ng library or its data is missing");
    if (!failure_.isEmpty()) {
        const QString failure = failure_;
        failure_.clear();
        throw SpeechError(failure.toStdString());
    }
    waiting_.push_back({++lastId_, voice, language, text, rate, pitch});
    if (current_ == 0)
        StartNext();
}

void EspeakPlayer::StartNext()
{
    if (waiting_.empty())
        return;
    const Utterance next = waiting_.front();
    waiting_.pop_front();
    current_ = next.id;
    output_->Begin(next.id);

    auto trimmer = std::make_shared<SilenceTrimmer>(SilenceTrimmer::ForUtterance(synthesizer_.SampleRate()));
    AudioOutput *output = output_;
    const quint64 id = next.id;
    auto words = std::make_shared<WordPoints>(output, id);
    EspeakSynthesizer::Job job;
    job.voice = next.voice;
    job.rate = EspeakRate(next.rate, next.language);
    job.pitch = next.pitch;
    job.text = next.text;
    job.cancelled = cancelled_;
    job.samples = [output, trimmer, words, id](const short *samples, int count) {
        const std::vector<short> playable = trimmer->Push(samples, count);
        if (!playable.empty())
            output->Append(id, playable.data(), int(playable.size()));
        words->PassOn(*trimmer);
    };
    job.word = [words](qint64 sample, int position, int length) { words->Add(sample, position, length); };
    job.finished = [output, trimmer, words, id](bool ok) {
        const std::vector<short> tail = trimmer->Finish();
        if (!tail.empty())
            output->Append(id, tail.data(), int(tail.size()));
        words->PassOn(*trimmer);
        if (ok)
            output->Finish(id);
        else
            emit output->Failed(id, "espeak-ng could not speak with this voice", false);
    };
    synthesizer_.Synthesize(std::move(job));
}

void EspeakPlayer::OnDrained(quint64 utterance)
{
    if (utterance != current_)
        return;
    current_ = 0;
    if (Finished)
        Finished();
    if (current_ == 0)
        StartNext();
}

void EspeakPlayer::OnReached(quint64 utterance, int position, int length)
{
    if (utterance == current_ && WordReached)
        WordReached(position, length);
}

void EspeakPlayer::OnFailed(quint64 utterance, const QString &reason, bool sounded)
{
    if (utterance != current_)
        return;
    current_ = 0;
    failure_ = reason;
    if (sounded && Finished)
        Finished();
    if (current_ == 0)
        StartNext();
}

void EspeakPlayer::Pause()
{
    if (current_ != 0)
        output_->Pause();
}

void EspeakPlayer::Resume()
{
    if (current_ != 0)
        output_->Resume();
}

void EspeakPlayer::Reset()
{
    waiting_.clear();
    if (current_ == 0)
        return;
    current_ = 0;
    synthesizer_.CancelAndWait(cancelled_);
    cancelled_ = NewFlag();
    output_->Stop();
}

void EspeakPlayer::SetVolume(double linear)
{
    output_->SetVolume(linear);
}
