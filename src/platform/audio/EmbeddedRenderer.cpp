#include "EmbeddedRenderer.h"
#include "platform/TDirectSS.h"
#include "platform/speech/EspeakPlayer.h"
#include "platform/speech/EspeakSynthesizer.h"
#include "platform/speech/SilenceTrimmer.h"
#include "platform/speech/SpeechEngine.h"
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace {

constexpr int ChunkSamples = 4096;

// What the synthesiser's thread hands over: the samples, then whether the voice spoke.
struct Synthesis {
    std::vector<short> samples;
    std::mutex mutex;
    std::condition_variable done;
    std::optional<bool> ok;
};

int ValueOn(const SpeechEngine::Scale &scale, bool itself, int value, int position)
{
    return std::clamp(itself ? value : EngineValue(scale.min, scale.max, position), scale.min, scale.max);
}

std::vector<short> Synthesize(EspeakSynthesizer &synthesizer, const SpeechVoice &voice, const QString &text,
                              int rate, int pitch)
{
    auto synthesis = std::make_shared<Synthesis>();
    EspeakSynthesizer::Job job;
    job.voice = voice.synthesisName;
    job.rate = EspeakPlayer::EspeakRate(rate, voice.language);
    job.pitch = pitch;
    job.text = text;
    job.cancelled = std::make_shared<std::atomic_bool>(false);
    job.samples = [synthesis](const short *samples, int count) {
        synthesis->samples.insert(synthesis->samples.end(), samples, samples + count);
    };
    job.finished = [synthesis](bool ok) {
        std::lock_guard lock(synthesis->mutex);
        synthesis->ok = ok;
        synthesis->done.notify_all();
    };
    synthesizer.Synthesize(std::move(job));
    std::unique_lock lock(synthesis->mutex);
    synthesis->done.wait(lock, [&] { return synthesis->ok.has_value(); });
    if (!*synthesis->ok)
        throw SpeechError("espeak-ng could not speak with the voice " + voice.modeName.toStdString());
    return std::move(synthesis->samples);
}

} // namespace

EmbeddedRenderer::EmbeddedRenderer(EspeakSynthesizer &synthesizer)
    : synthesizer(synthesizer), voices(EmbeddedVoiceList(synthesizer.Voices()))
{
}

int EmbeddedRenderer::SampleRate() const
{
    return synthesizer.SampleRate();
}

const SpeechVoice *EmbeddedRenderer::OfLanguage(int languageId) const
{
    const auto found = std::find_if(voices.begin(), voices.end(),
                                    [&](const SpeechVoice &v) { return v.languageId == languageId; });
    return found == voices.end() ? nullptr : &*found;
}

const SpeechVoice *EmbeddedRenderer::Rendering(const RenderVoice &voice) const
{
    const auto itself = std::find_if(voices.begin(), voices.end(),
                                     [&](const SpeechVoice &v) { return v.modeName == voice.modeName; });
    if (itself != voices.end())
        return &*itself;
    if (const SpeechVoice *sameLanguage = OfLanguage(voice.languageId))
        return sameLanguage;
    return OfLanguage(voice.channelLanguageId);
}

QString EmbeddedRenderer::StandIn(const RenderVoice &voice) const
{
    const SpeechVoice *rendering = Rendering(voice);
    return rendering && rendering->modeName != voice.modeName ? rendering->modeName : QString();
}

void EmbeddedRenderer::Render(const RenderVoice &voice, const QString &text, const Samples &samples)
{
    const SpeechVoice *rendering = Rendering(voice);
    if (!rendering || !synthesizer.Available())
        throw SpeechError("no embedded voice speaks the language of " + voice.modeName.toStdString());
    const bool itself = rendering->modeName == voice.modeName;
    const SpeechEngine::Scales &scales = SpeechEngine::ScalesOf(SpeechVoice::Backend::Embedded);
    const int volume = ValueOn(scales.volume, itself, voice.volume, voice.volumePosition);
    const float gain = float(volume - scales.volume.min) / float(scales.volume.max - scales.volume.min);
    const std::vector<short> spoken =
        Synthesize(synthesizer, *rendering, text, ValueOn(scales.speed, itself, voice.speed, voice.speedPosition),
                   ValueOn(scales.pitch, itself, voice.pitch, voice.pitchPosition));

    SilenceTrimmer trimmer = SilenceTrimmer::ForUtterance(SampleRate());
    std::vector<short> kept = trimmer.Push(spoken.data(), int(spoken.size()));
    const std::vector<short> tail = trimmer.Finish();
    kept.insert(kept.end(), tail.begin(), tail.end());
    std::vector<float> chunk;
    for (std::size_t from = 0; from < kept.size(); from += ChunkSamples) {
        const std::size_t to = std::min(kept.size(), from + ChunkSamples);
        chunk.resize(to - from);
        std::transform(kept.begin() + std::ptrdiff_t(from), kept.begin() + std::ptrdiff_t(to), chunk.begin(),
                       [gain](short s) { return float(s) / 32768.0f * gain; });
        samples(chunk.data(), int(chunk.size()));
    }
}
