#pragma once
#include "platform/SpeechRendering.h"
#include "platform/speech/SpeechVoice.h"
#include <QList>

class EspeakSynthesizer;

// Renders with the embedded espeak-ng voices, as reading aloud plays them: the same rate, pitch
// and volume, the same edges of silence, but into samples instead of the sound output. A voice of
// the speech service is rendered by the embedded voice of its language (or, failing that, of its
// panel's language) on the embedded scales, at the same slider positions.
class EmbeddedRenderer : public SpeechRenderer {
public:
    explicit EmbeddedRenderer(EspeakSynthesizer &synthesizer);  // which outlives the renderer

    int SampleRate() const override;
    QString StandIn(const RenderVoice &voice) const override;
    void Render(const RenderVoice &voice, const QString &text, const Samples &samples) override;

private:
    const SpeechVoice *Rendering(const RenderVoice &voice) const;
    const SpeechVoice *OfLanguage(int languageId) const;

    EspeakSynthesizer &synthesizer;
    const QList<SpeechVoice> voices;
};
