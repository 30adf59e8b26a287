#include "EspeakSynthesizer.h"
#include "PhonemeInput.h"
#include <espeak-ng/speak_lib.h>
#include <algorithm>
#include <cstring>
#include <future>
#include <stdexcept>

namespace {

constexpr int CallbackBufferMs = 20;

// Set while a synthesizer lives: the library's state is global and cannot serve two.
std::atomic_bool synthesizerAlive = false;

// What the library's callback is handed for the job it synthesises.
struct Performance {
    EspeakSynthesizer::Job &job;
    int sampleRate;
    const PhonemeInput &input;  // the job's text as the library is given it
};

// The library's transcription of a text in the voice set, clause after clause; mode 0 gives its
// own phoneme names, as its phoneme input takes them.
QString Phonemes(const QString &text, int mode = 0)
{
    const QByteArray utf8 = text.toUtf8();
    const void *position = utf8.constData();
    QStringList clauses;
    while (position) {
        const char *phonemes = espeak_TextToPhonemes(&position, espeakCHARS_UTF8, mode);
        if (phonemes && *phonemes)
            clauses.append(QString::fromUtf8(phonemes).trimmed());
    }
    return clauses.join(u' ');
}

QString MainLanguage(const char *languages)
{
    // A list of entries, each one priority byte and a NUL-terminated tag; the first is the main one.
    return languages && languages[0] ? QString::fromLatin1(languages + 1) : QString();
}

}  // namespace

EspeakSynthesizer::EspeakSynthesizer()
{
    if (synthesizerAlive.exchange(true))
        throw std::logic_error("a second espeak-ng synthesizer while one is alive");
    worker_ = std::thread([this] { Run(); });
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return initialized_; });
}

EspeakSynthesizer::~EspeakSynthesizer()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        for (const Job &job : jobs_)
            *job.cancelled = true;
    }
    changed_.notify_all();
    worker_.join();
    synthesizerAlive = false;
}

void EspeakSynthesizer::Initialize()
{
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, CallbackBufferMs, nullptr,
                                       espeakINITIALIZE_DONT_EXIT);
    QList<Voice> voices;
    if (rate > 0) {
        espeak_SetSynthCallback([](short *samples, int count, espeak_EVENT *events) {
            return OnSynthesized(samples, count, events);
        });
        for (const espeak_VOICE **voice = espeak_ListVoices(nullptr); voice && *voice; ++voice)
            voices.append({QString::fromUtf8((*voice)->name), QByteArray((*voice)->identifier),
                           MainLanguage((*voice)->languages)});
    }
    std::lock_guard lock(mutex_);
    sampleRate_ = std::max(rate, 0);
    voices_ = voices;
    initialized_ = true;
}

void EspeakSynthesizer::Run()
{
    Initialize();
    changed_.notify_all();
    for (;;) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return stopping_ || !jobs_.empty() || !calls_.empty(); });
        if (stopping_)
            break;
        if (!calls_.empty()) {
            const std::function<void()> call = std::move(calls_.front());
            calls_.pop_front();
            lock.unlock();
            call();
            continue;
        }
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        running_ = &job;
        lock.unlock();
        Perform(job);
        lock.lock();
        running_ = nullptr;
        changed_.notify_all();
    }
    if (sampleRate_ > 0)
        espeak_Terminate();
}

void EspeakSynthesizer::Perform(Job &job)
{
    if (*job.cancelled)
        return;
    bool ok = sampleRate_ > 0 && espeak_SetVoiceByName(job.voice.constData()) == EE_OK;
    if (ok) {
        espeak_SetParameter(espeakRATE, job.rate, 0);
        espeak_SetParameter(espeakPITCH, job.pitch, 0);
        espeak_SetParameter(espeakVOLUME, 100, 0);
        const PhonemeInput input = WithPhonemeInput(job.text, [](const QString &word) { return Phonemes(word); });
        const QByteArray text = input.text.toUtf8();
        const unsigned flags = espeakCHARS_UTF8 | (input.words.isEmpty() ? 0 : espeakPHONEMES);
        Performance performance{job, sampleRate_, input};
        ok = espeak_Synth(text.constData(), size_t(text.size()) + 1, 0, POS_CHARACTER, 0, flags, nullptr,
                          &performance) == EE_OK;
    }
    if (!*job.cancelled)
        job.finished(ok);
}

int EspeakSynthesizer::OnSynthesized(short *samples, int count, void *events)
{
    auto *event = static_cast<espeak_EVENT *>(events);
    auto &performance = *static_cast<Performance *>(event->user_data);
    Job &job = performance.job;
    if (*job.cancelled)
        return 1;
    if (job.word) {
        for (; event->type != espeakEVENT_LIST_TERMINATED; ++event)
            if (event->type == espeakEVENT_WORD)
                TellWord(job, event, performance.sampleRate, performance.input);
    }
    if (samples && count > 0)
        job.samples(samples, count);
    return 0;
}

// The library counts positions in code points from 1, the text counts UTF-16 units from 0. It
// gives the last word before closing punctuation ("white».") no length: the word then runs to
// its first character that is neither a letter nor a digit. Now and then it tells a word at
// position 0, which is none. A number read as several words ("1987": тысяча девятьсот ...) comes
// as one word per spoken part, the later ones a character behind: they are the same number.
void EspeakSynthesizer::TellWord(Job &job, const void *wordEvent, int sampleRate, const PhonemeInput &input)
{
    const auto *event = static_cast<const espeak_EVENT *>(wordEvent);
    if (event->text_position < 1)
        return;
    const QString &text = input.text;
    const auto unitOf = [&text](int codePoint) {
        int unit = 0;
        for (int seen = 0; seen < codePoint && unit < text.size(); ++seen)
            unit += text[unit].isHighSurrogate() ? 2 : 1;
        return std::min(unit, int(text.size()));
    };
    int start = unitOf(event->text_position - 1);
    int end = unitOf(event->text_position - 1 + event->length);
    if (end == start) {
        while (end < text.size() && text[end].isLetterOrNumber())
            ++end;
    }
    if (end == start)
        return;
    const auto [original, length] = input.Original(start, end - start);
    start = original;
    end = original + length;
    if (start > job.toldStart && start < job.toldEnd) {
        start = job.toldStart;
        end = job.toldEnd;
    }
    job.toldStart = start;
    job.toldEnd = end;
    const qint64 sample = qint64(event->audio_position) * sampleRate / 1000;
    job.word(sample, start, end - start);
}

void EspeakSynthesizer::Synthesize(Job job)
{
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    changed_.notify_all();
}

void EspeakSynthesizer::CancelAndWait(const std::shared_ptr<std::atomic_bool> &cancelled)
{
    *cancelled = true;
    std::unique_lock lock(mutex_);
    std::erase_if(jobs_, [&](const Job &job) { return job.cancelled == cancelled; });
    changed_.wait(lock, [&] { return !running_ || running_->cancelled != cancelled; });
}

QString EspeakSynthesizer::Transcription(const QByteArray &voice, const QString &text)
{
    if (!Available())
        return {};
    std::promise<QString> transcribed;
    std::future<QString> transcription = transcribed.get_future();
    {
        std::lock_guard lock(mutex_);
        calls_.push_back([&] {
            transcribed.set_value(espeak_SetVoiceByName(voice.constData()) == EE_OK
                                      ? Phonemes(text, espeakPHONEMES_IPA) : QString());
        });
    }
    changed_.notify_all();
    return transcription.get();
}
