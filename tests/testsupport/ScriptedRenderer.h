#pragma once
#include "platform/SpeechRendering.h"
#include "platform/TDirectSS.h"
#include <QMap>
#include <QStringList>
#include <vector>

// A renderer for tests at SampleRate samples a second: every piece gives SamplesPerPiece samples of
// the voice's volume position in hundredths, and is recorded as "voice:text". StandIns names the
// voice that renders in another's place; a piece numbered FailingPiece (from 1) throws SpeechError.
class ScriptedRenderer : public SpeechRenderer {
public:
    static constexpr int Rate = 1000;
    static constexpr int SamplesPerPiece = 250;

    QStringList Rendered;
    QMap<QString, QString> StandIns;
    int FailingPiece = 0;

    int SampleRate() const override { return Rate; }
    QString StandIn(const RenderVoice &voice) const override { return StandIns.value(voice.modeName); }
    void Render(const RenderVoice &voice, const QString &text, const Samples &samples) override
    {
        Rendered << voice.modeName + ":" + text;
        if (Rendered.size() == FailingPiece)
            throw SpeechError("the voice failed");
        const std::vector<float> sound(SamplesPerPiece, float(voice.volumePosition) / 100.0f);
        samples(sound.data(), int(sound.size()));
    }
};
