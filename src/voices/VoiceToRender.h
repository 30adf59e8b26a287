#pragma once
#include "platform/SpeechRendering.h"

class VoicePanel;

// The voice of a panel as an export renders it, with its speed, pitch and volume of the moment.
// channelLanguageId: the panel's language (1033 for the foreign voice, 1049 for the Russian one).
RenderVoice VoiceToRender(const VoicePanel &panel, int channelLanguageId);
