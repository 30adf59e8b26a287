#pragma once
#include "testsupport/ScriptedEngine.h"
#include "voices/VoiceChannel.h"

// Scripted engines for the main window's two voices, each with English and Russian voices, and a
// scripted renderer for the export. The test keeps the pointers to drive the engines after handing
// them to the window.
struct ScriptedVoices {
    ScriptedVoices();
    VoiceEngines Take() { return std::move(engines); }

    ScriptedEngine *foreign;
    ScriptedEngine *russian;

private:
    VoiceEngines engines;
};
