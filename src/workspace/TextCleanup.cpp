#include "workspace/TextCleanup.h"
#include "platform/WordEdges.h"
#include "reading/Abbreviations.h"
#include "reading/BlankText.h"
#include <QList>
#include <QStringList>
#include <span>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

struct Replacement {
    QStringView from;
    QStringView to;
};

// While a text is split into sentences the titles wear these disguises, which hold no sentence end.
constexpr Replacement HideTitles[] = {{u"Mrs. ", u"gh#@$@%"}, {u"Mr. ", u"7h#@$@%"}};
constexpr Replacement RestoreTitles[] = {{u"gh#@$@%", u"Mrs. "}, {u"7h#@$@%", u"Mr. "}};

bool IsLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

QList<QStringView> SplitIntoLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsLineEnd(text[i]))
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

// Where the text between from and end ends once the blanks in front of end are cut off.
qsizetype TrimmedEnd(const QString &text, qsizetype from, qsizetype end)
{
    while (end > from && IsBlankChar(text.at(end - 1)))
        --end;
    return end;
}

// Whether the judge keeps the dash that ends before dashEnd, between the letters in front of it
// and those the next line starts with.
bool KeepsDash(QStringView text, qsizetype lineStart, qsizetype dashEnd, QStringView next, const HyphenJudge &judge)
{
    if (!judge)
        return false;
    const QStringView head = LettersAtEnd(text.sliced(lineStart, dashEnd - 1 - lineStart));
    const QStringView tail = LettersAtStart(next);
    return !head.isEmpty() && !tail.isEmpty() && judge(head, tail);
}

// The last line of text starts at lineStart and next follows it. When its trimmed text ends in
// "-", it becomes that text without the dash (unless the judge keeps it), trimmed again, and the
// answer is true.
bool CutAtHyphen(QString &text, qsizetype lineStart, QStringView next, const HyphenJudge &judge)
{
    qsizetype end = TrimmedEnd(text, lineStart, text.size());
    if (end == lineStart || text.at(end - 1) != u'-')
        return false;
    if (!KeepsDash(text, lineStart, end, next, judge))
        end = TrimmedEnd(text, lineStart, end - 1);
    qsizetype start = lineStart;
    while (start < end && IsBlankChar(text.at(start)))
        ++start;
    text.truncate(end);
    text.remove(lineStart, start - lineStart);
    return true;
}

// Appends text with every occurrence of the replacements' texts, found from left to right,
// replaced. The texts of one list never overlap, so this is the same as replacing one after the
// other.
void AppendReplacing(QString &out, QStringView text, std::span<const Replacement> replacements)
{
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        for (const Replacement &replacement : replacements) {
            if (text[i] == replacement.from[0] && text.sliced(i).startsWith(replacement.from)) {
                out += text.sliced(copied, i - copied);
                out += replacement.to;
                copied = i + replacement.from.size();
                i = copied - 1;
                break;
            }
        }
    }
    out += text.sliced(copied);
}

bool IsSentenceMark(QChar c)
{
    return c == u'.' || c == u'?' || c == u'!';
}

// A space ends a sentence after ".", "?" or "!", alone or followed by a closing double quote.
bool EndsSentence(QStringView text, qsizetype space, bool knowAbbreviations)
{
    if (space >= 1 && IsSentenceMark(text[space - 1]))
        return !(knowAbbreviations && text[space - 1] == u'.' && Abbreviations::HoldsStop(text, space - 1));
    return space >= 2 && text[space - 1] == u'"' && IsSentenceMark(text[space - 2]);
}

// Every space that ends a sentence becomes a line break and an empty line.
QString BreakAfterSentenceEnds(QStringView text, bool knowAbbreviations)
{
    QString broken;
    broken.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u' ' && EndsSentence(text, i, knowAbbreviations)) {
            broken += text.sliced(copied, i - copied);
            broken += LineBreak;
            broken += LineBreak;
            copied = i + 1;
        }
    }
    return broken += text.sliced(copied);
}

// Every run of spaces becomes one space, and the blanks at the start go.
QString SingleSpacedTrimmedLeft(QStringView text)
{
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size() && IsBlankChar(text[i]))
        ++i;
    for (; i < text.size(); ++i) {
        if (text[i] != u' ' || text[i - 1] != u' ')
            result += text[i];
    }
    return result;
}

// The paragraph with one sentence a line, each followed by an empty line where a space followed it.
QString SentenceLines(QStringView paragraph, bool knowAbbreviations)
{
    QString restored;
    AppendReplacing(restored, BreakAfterSentenceEnds(paragraph, knowAbbreviations), RestoreTitles);
    return SingleSpacedTrimmedLeft(restored);
}

// The lines of each paragraph joined by single spaces, with the titles disguised. The first
// paragraph starts out empty, and every blank line adds two empty ones.
QStringList JoinedParagraphs(QStringView text)
{
    QStringList paragraphs{QString()};
    for (QStringView line : SplitIntoLines(text)) {
        if (IsBlankText(line)) {
            paragraphs.append(QString());
            paragraphs.append(QString());
            continue;
        }
        QString &paragraph = paragraphs.last();
        paragraph += u' ';
        AppendReplacing(paragraph, line, HideTitles);
    }
    return paragraphs;
}

} // namespace

QString RemoveHyphenation(const QString &text, const HyphenJudge &judge)
{
    const QList<QStringView> lines = SplitIntoLines(text);
    if (lines.isEmpty())
        return text;
    QString result;
    result.reserve(text.size() + lines.size() + LineBreak.size());
    result += lines.first();
    qsizetype lineStart = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!CutAtHyphen(result, lineStart, lines[i], judge)) {
            result += LineBreak;
            lineStart = result.size();
        }
        result += lines[i];
    }
    return result += LineBreak;
}

QString SplitIntoSentences(const QString &text, bool knowAbbreviations)
{
    const QString trimmed = TrimBlanks(text);
    if (trimmed.isEmpty())
        return text;
    const QStringList paragraphs = JoinedParagraphs(trimmed);
    QString result;
    result.reserve(trimmed.size() + trimmed.size() / 4);
    bool lastKeptEmpty = false;
    for (const QString &paragraph : paragraphs) {
        // An empty entry after an empty one is surplus. The first entry, which the algorithm
        // always keeps, starts with the first line of a trimmed text and is never empty.
        const QString sentences = SentenceLines(paragraph, knowAbbreviations);
        if (sentences.isEmpty() && lastKeptEmpty)
            continue;
        result += sentences;
        result += LineBreak;
        lastKeptEmpty = sentences.isEmpty();
    }
    return TrimBlanks(result);
}
