#include "reading/LanguageDispatch.h"
#include "platform/TDirectSS.h"
#include "platform/Guarded.h"

namespace {

void OnBoth(TDirectSS &foreign, TDirectSS &russian, const char *what, void (TDirectSS::*operation)())
{
    for (TDirectSS *engine : {&foreign, &russian})
        Guarded(what, [&] { (engine->*operation)(); });
}

} // namespace

LanguageDispatch::LanguageDispatch(TDirectSS &foreignEngine, TDirectSS &russianEngine)
    : foreign(foreignEngine), russian(russianEngine)
{
    for (TDirectSS *engine : {&foreign, &russian}) {
        engine->OnAudioStop = [this](TDirectSS *, quint32, quint32) { RunSpoken(); };
        engine->OnWord = [this](TDirectSS *, int position, int length) {
            if (!OnWordSpoken || run >= runs.size())
                return;
            const auto [start, span] = spoken.PieceSpan(position, length);
            OnWordSpoken(runs[run].start + start, span);
        };
    }
}

LanguageDispatch::~LanguageDispatch()
{
    for (TDirectSS *engine : {&foreign, &russian}) {
        engine->OnAudioStop = nullptr;
        engine->OnWord = nullptr;
    }
}

void LanguageDispatch::SpeakText(const QString &text)
{
    ResetVoices();
    piece = text;
    runs = TakeRuns(text);
    run = 0;
    SpeakRun();
}

void LanguageDispatch::SayWord(const QString &marked)
{
    ResetVoices();
    piece = marked;
    runs = {{0, int(marked.size()), false}};
    run = 0;
    const bool marks = RussianStyle && RussianStyle() == PronunciationStyle::StressMarks;
    spoken = {marks ? marked : SpokenWord{marked}.Plain(), {}};
    russian.Speak(spoken.text);
}

void LanguageDispatch::SpeakRun()
{
    const LanguageRun &current = runs[run];
    const QString text = piece.mid(current.start, current.length);
    if (current.foreign || !Pronunciation) {
        spoken = {text, {}};
    } else {
        const PronunciationStyle style = RussianStyle ? RussianStyle() : PronunciationStyle::Plain;
        spoken = ApplyPronunciation(text, Pronunciation(), [style](const SpokenWord &word) {
            return WordForVoice(word, style);
        });
    }
    (current.foreign ? foreign : russian).Speak(spoken.text);
}

// The next run follows at once, as the next piece would.
void LanguageDispatch::RunSpoken()
{
    if (run + 1 < runs.size()) {
        ++run;
        Guarded("Speak", [this] { SpeakRun(); });
        return;
    }
    if (OnPieceSpoken)
        OnPieceSpoken();
}

void LanguageDispatch::ResetVoices()
{
    OnBoth(foreign, russian, "AudioReset", &TDirectSS::AudioReset);
}

void LanguageDispatch::PauseVoices()
{
    OnBoth(foreign, russian, "AudioPause", &TDirectSS::AudioPause);
}

void LanguageDispatch::ResumeVoices()
{
    OnBoth(foreign, russian, "AudioResume", &TDirectSS::AudioResume);
}
