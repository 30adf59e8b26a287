#pragma once
#include "platform/SpeechRendering.h"
#include "platform/TDirectSS.h"
#include "platform/Timer.h"
#include "voices/VoicePanel.h"
#include <memory>

// The speech engines of a run, one per language, and the export's renderer, as the start-up
// creates them (tests hand in scripted ones).
struct VoiceEngines {
    std::unique_ptr<TDirectSS> foreign;  // English and every Latin-script piece
    std::unique_ptr<TDirectSS> russian;
    std::unique_ptr<SpeechRenderer> renderer;
};

// One language's voice: its speech engine and the voice panel that keeps the engine's voice,
// speed, pitch and volume. The main window owns both channels; the reading speaks through their
// engines and the sound tab shows their panels.
class VoiceChannel {
public:
    // timer1: the panel's one-shot start-up timer.
    VoiceChannel(std::unique_ptr<TDirectSS> engine, std::unique_ptr<Timer> timer1)
        : engine(std::move(engine)), timer1(std::move(timer1)), panel(*this->engine, *this->timer1)
    {
    }

    TDirectSS &Engine() const { return *engine; }
    VoicePanel &Panel() { return panel; }
    const VoicePanel &Panel() const { return panel; }

private:
    std::unique_ptr<TDirectSS> engine;
    std::unique_ptr<Timer> timer1;
    VoicePanel panel;
};
