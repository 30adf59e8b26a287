#include "voices/VoiceToRender.h"
#include "platform/Guarded.h"
#include "platform/TDirectSS.h"
#include "voices/VoicePanel.h"

// An engine that cannot tell of its voice leaves it unnamed: the panel's language decides then.
RenderVoice VoiceToRender(const VoicePanel &panel, int channelLanguageId)
{
    RenderVoice voice;
    voice.channelLanguageId = channelLanguageId;
    voice.speedPosition = panel.SbSpeedPosition();
    voice.pitchPosition = panel.SbPitchPosition();
    voice.volumePosition = panel.SbVolumePosition();
    TDirectSS &ds = panel.Ds();
    Guarded("the voice to render", [&] {
        voice.modeName = ds.ModeName(panel.Number());
        voice.languageId = ds.LanguageId(panel.Number());
    });
    Guarded("the voice's values to render", [&] {
        voice.speed = ds.Speed();
        voice.pitch = ds.Pitch();
        voice.volume = ds.VolumeLeft();
    });
    return voice;
}
