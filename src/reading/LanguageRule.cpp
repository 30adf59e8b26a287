#include "reading/LanguageRule.h"
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
    const qsizetype limit = std::min<qsizetype>(text.size(), LanguageRule::ScanLimit);
    for (qsizetype i = 0; i < limit; ++i) {
        if (IsLatinLetter(text[i]))
            return true;
        if (IsCyrillicLetter(text[i]))
            return false;
    }
    return std::nullopt;
}

} // namespace

bool LanguageRule::TakePiece(const QString &text)
{
    if (LangApart)
        DetectForeign(text);
    else
        ForeignText = false;
    return ForeignText;
}

void LanguageRule::DetectForeign(const QString &text)
{
    if (const auto latin = FirstLetterIsLatin(text))
        ForeignText = *latin;
}

bool LanguageRule::IsRussianText(const QString &text)
{
    const auto latin = FirstLetterIsLatin(TrimBlanks(text));
    return latin.has_value() && !*latin;
}
