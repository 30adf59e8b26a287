#pragma once
#include "SpeechVoice.h"
#include <QList>
#include <memory>
#include <optional>

class EspeakSynthesizer;
class ServiceVoiceQuery;
class SpeechEngine;
class SpeechRenderer;

// The speech of one run: the embedded synthesizer and the installed voices, embedded then those
// of speech-dispatcher, found once. The start-up makes one and hands out the window's engines and
// the export's renderer; tests and benchmarks make their own. Both parts start at the first need
// (the splash's presence check), so a start that only hands over to a running instance costs
// nothing. Used from one thread; what it hands out must go before it does. There is one live
// synthesizer in a process, so one SpeechSystem at a time.
class SpeechSystem {
public:
    SpeechSystem();
    ~SpeechSystem();
    SpeechSystem(const SpeechSystem &) = delete;
    SpeechSystem &operator=(const SpeechSystem &) = delete;

    EspeakSynthesizer &Synthesizer();
    // Found at the first call, which waits a while for the service to answer.
    const QList<SpeechVoice> &Voices();
    // Whether any engine can speak: the embedded one has its data, or the service offers a voice.
    // The start-up refuses to go on without one.
    bool Available() { return !Voices().isEmpty(); }

    std::unique_ptr<SpeechEngine> NewEngine();
    std::unique_ptr<SpeechRenderer> NewRenderer();  // renders with the embedded voices

private:
    std::unique_ptr<EspeakSynthesizer> synthesizer_;
    std::unique_ptr<ServiceVoiceQuery> serviceQuery_;  // its thread is joined when the system goes
    std::optional<QList<SpeechVoice>> voices_;
};
