#include "reading/LanguageRule.h"
#include "reading/BlankText.h"
#include <algorithm>
#include <optional>
#include <utility>

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

// A letter of any Latin alphabet, or an apostrophe or hyphen inside such a word ("don't").
bool InLatinWord(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isLetter() && c.script() == QChar::Script_Latin)
        return true;
    const bool joiner = c == u'\'' || c == u'\u2019' || c == u'-';
    return joiner && i > 0 && i + 1 < text.size() && text[i - 1].script() == QChar::Script_Latin &&
           text[i + 1].isLetter() && text[i + 1].script() == QChar::Script_Latin;
}

bool IsRussianLetter(QChar c)
{
    return c.isLetter() && c.script() == QChar::Script_Cyrillic;
}

struct LatinGroup {
    qsizetype start = -1, end = -1;
    int words = 0;
    bool longWord = false;
    bool Qualifies() const { return words >= 2 || longWord; }
};

// The groups of Latin words that no Cyrillic letter parts, and whether the text has one at all.
QList<LatinGroup> LatinGroups(const QString &text, bool &hasCyrillic)
{
    QList<LatinGroup> groups;
    LatinGroup group;
    hasCyrillic = false;
    for (qsizetype i = 0; i < text.size();) {
        if (InLatinWord(text, i)) {
            const qsizetype wordStart = i;
            while (i < text.size() && InLatinWord(text, i))
                ++i;
            group.start = group.words == 0 ? wordStart : group.start;
            group.end = i;
            ++group.words;
            group.longWord = group.longWord || i - wordStart >= LanguageRule::LongWord;
            continue;
        }
        if (IsRussianLetter(text[i])) {
            hasCyrillic = true;
            if (group.words > 0)
                groups.append(std::exchange(group, LatinGroup()));
        }
        ++i;
    }
    if (group.words > 0)
        groups.append(group);
    return groups;
}

bool SaysSomething(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

void AppendRun(QList<LanguageRun> &runs, const QString &text, qsizetype start, qsizetype end, bool foreign)
{
    if (end <= start)
        return;
    if (!runs.isEmpty() && !SaysSomething(QStringView(text).sliced(start, end - start))) {
        runs.last().length += int(end - start);
        return;
    }
    if (!runs.isEmpty() && !SaysSomething(QStringView(text).sliced(runs.last().start, runs.last().length))) {
        const LanguageRun silent = runs.takeLast();
        runs.append({silent.start, int(end - silent.start), foreign});
        return;
    }
    runs.append({int(start), int(end - start), foreign});
}

} // namespace

QList<LanguageRun> LanguageRule::TakeRuns(const QString &text)
{
    const bool foreign = TakePiece(text);
    if (LangApart && EnglishRuns) {
        if (QList<LanguageRun> runs = EnglishRunsOf(text); !runs.isEmpty())
            return runs;
    }
    return {{0, int(text.size()), foreign}};
}

QList<LanguageRun> LanguageRule::EnglishRunsOf(const QString &text)
{
    bool hasCyrillic = false;
    const QList<LatinGroup> groups = LatinGroups(text, hasCyrillic);
    if (!hasCyrillic)
        return {};
    QList<LanguageRun> runs;
    qsizetype done = 0;
    for (const LatinGroup &group : groups) {
        if (!group.Qualifies())
            continue;
        AppendRun(runs, text, done, group.start, false);
        AppendRun(runs, text, group.start, group.end, true);
        done = group.end;
    }
    AppendRun(runs, text, done, text.size(), false);
    return runs;
}

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
