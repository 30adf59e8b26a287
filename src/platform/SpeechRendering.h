#pragma once
#include <QString>
#include <functional>

// One voice as it is rendered into a file: the voice chosen on its panel with the engine values
// of its speed, pitch and volume, and the panel's slider positions (1..100) for a voice that
// renders in its place on another engine's scales.
struct RenderVoice {
    QString modeName;
    int languageId = 0;         // a Windows language id: 1049 Russian, 1033 US English
    int channelLanguageId = 0;  // the panel's own language, when the voice's is not embedded
    int speed = 0, pitch = 0, volume = 0;
    int speedPosition = 0, pitchPosition = 0, volumePosition = 0;
};

// Renders text into samples without playing them. Called from one thread at a time, which need
// not be the user-interface thread.
class SpeechRenderer {
public:
    using Samples = std::function<void(const float *samples, int count)>;  // mono, -1..1

    virtual ~SpeechRenderer() = default;
    virtual int SampleRate() const = 0;
    // The name of the voice that renders in this one's place (a voice of the speech service
    // cannot render into a file); empty when it renders itself.
    virtual QString StandIn(const RenderVoice &voice) const = 0;
    // Hands on the samples of the text spoken with the voice; throws SpeechError.
    virtual void Render(const RenderVoice &voice, const QString &text, const Samples &samples) = 0;
};
