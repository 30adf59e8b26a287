#include "reading/LanguageDispatch.h"
#include "platform/TDirectSS.h"
#include "platform/Guarded.h"
#include "reading/BlankText.h"
#include <optional>

namespace {

bool IsLatinLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

// А..я only: Ё and ё, like every letter of other alphabets, decide nothing.
bool IsCyrillicLetter(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'\u0410' && u <= u'\u044F';
}

// True for a Latin letter first, false for a Cyrillic one, nothing when neither comes within
// the scan limit.
std::optional<bool> FirstLetterIsLatin(const QString &text)
{
    const qsizetype limit = std::min<qsizetype>(text.size(), LanguageDispatch::ScanLimit);
    for (qsizetype i = 0; i < limit; ++i) {
        if (IsLatinLetter(text[i]))
            return true;
        if (IsCyrillicLetter(text[i]))
            return false;
    }
    return std::nullopt;
}

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
    if (LangApart)
        DetectForeign(text);
    else
        ForeignText = false;
    (ForeignText ? foreign : russian).Speak(text);
}

void LanguageDispatch::DetectForeign(const QString &text)
{
    if (const auto latin = FirstLetterIsLatin(text))
        ForeignText = *latin;
}

bool LanguageDispatch::IsRussianText(const QString &text)
{
    const auto latin = FirstLetterIsLatin(TrimBlanks(text));
    return latin.has_value() && !*latin;
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
