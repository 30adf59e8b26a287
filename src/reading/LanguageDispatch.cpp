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
        engine->OnAudioStop = [this](TDirectSS *, quint32, quint32) {
            if (OnPieceSpoken)
                OnPieceSpoken();
        };
        engine->OnWord = [this](TDirectSS *, int position, int length) {
            if (OnWordSpoken)
                OnWordSpoken(position, length);
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
    (TakePiece(text) ? foreign : russian).Speak(text);
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
