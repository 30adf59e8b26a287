#include "speedreader/WordChunker.h"
#include "platform/TextArea.h"
#include "platform/TextMeasurer.h"
#include <algorithm>

namespace {

bool IsBlank(QChar c)
{
    return c.unicode() <= 32;
}

bool IsBlankLine(const QString &line)
{
    return std::all_of(line.begin(), line.end(), IsBlank);
}

bool EndsSentence(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?');
}

bool EndsClause(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char(':') || c == QLatin1Char(';');
}

} // namespace

WordChunker::WordChunker(const TextArea &area, const TextMeasurer &measurer)
    : area(area), measurer(measurer)
{
}

void WordChunker::Rewind()
{
    MoveTo(0);
    currentGroup.clear();
}

bool WordChunker::TakeExtraTick()
{
    if (extraTicks == 0)
        return false;
    --extraTicks;
    return true;
}

void WordChunker::ResetCounts()
{
    wordsRead = 0;
    symbolsRead = 0;
}

void WordChunker::MoveTo(int line, int offset)
{
    readLine = std::max(line, 0);
    readOffset = std::max(offset, 0);
    groupSpan = 0;
    pendingRemainder.clear();
    shown = {};
}

void WordChunker::ReturnTo(const Place &place)
{
    readLine = place.line;
    readOffset = place.offset;
    groupSpan = place.span;
    currentGroup = place.group;
    pendingRemainder = place.remainder;
    shown = place.shown;
}

bool WordChunker::NextWordGroup(const ChunkRules &groupRules, int width)
{
    rules = groupRules;
    displayWidth = width;
    groupSpan = 0;
    const bool remainder = !pendingRemainder.isEmpty();
    if (remainder) {
        currentGroup = pendingRemainder;
        pendingRemainder.clear();
    } else {
        Word word;
        if (!FindNextWord(word))
            return false;
        Consume(word);
        currentGroup = word.text;
    }
    const bool split = FitToWidth();
    if (currentGroup.size() > rules.Letters)
        extraTicks += rules.LongWord;
    if (AddClosingExtra(currentGroup))
        return true;
    if (rules.Length >= 3 && !remainder && !split)
        ExtendGroup();
    return true;
}

QString WordChunker::ReadableLine(int line) const
{
    QString text = area.LineText(line);
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

// Finds the word behind the reading position, entering later lines when the current one is used
// up; the position itself moves only by Consume().
bool WordChunker::FindNextWord(Word &word)
{
    while (!FindWordInLine(ReadableLine(readLine), std::max(readOffset, 0), word))
        if (!EnterNextLine())
            return false;
    return true;
}

bool WordChunker::FindWordInLine(const QString &line, int from, Word &word) const
{
    int start = from;
    while (start < line.size() && IsBlank(line[start]))
        ++start;
    if (start >= line.size())
        return false;
    int end = line.indexOf(QLatin1Char(' '), start);
    if (end < 0)
        end = line.size();
    int last = end;
    while (IsBlank(line[last - 1]))
        --last;
    word.text = line.mid(start, last - start);
    word.start = start;
    word.end = end;
    word.consumed = end - from;
    return true;
}

// A piece of a cut word still to come counts; so does a word on this or any later line.
bool WordChunker::WordAhead() const
{
    if (!pendingRemainder.isEmpty())
        return true;
    Word word;
    if (FindWordInLine(ReadableLine(readLine), std::max(readOffset, 0), word))
        return true;
    for (int line = readLine + 1; line < area.LineCount(); ++line)
        if (!IsBlankLine(area.LineText(line)))
            return true;
    return false;
}

// Moves to the next line that is not blank (at least one line on, never past the last);
// false at the last line, which is the end of the text.
bool WordChunker::EnterNextLine()
{
    const int count = area.LineCount();
    if (readLine >= count - 1)
        return false;
    readOffset = 0;
    do
        ++readLine;
    while (readLine < count - 1 && IsBlankLine(area.LineText(readLine)));
    if (OnLineEntered)
        OnLineEntered(readLine * 100 / count);
    return true;
}

void WordChunker::Consume(const Word &word)
{
    const int wordEnd = word.start + int(word.text.size());
    if (groupSpan == 0 || shown.line != readLine)
        shown = {readLine, word.start, wordEnd};
    else
        shown.to = wordEnd;
    readOffset = word.end;
    groupSpan += word.consumed;
    ++wordsRead;
    symbolsRead += word.text.size();
}

bool WordChunker::Fits(const QString &text) const
{
    return measurer.TextWidth(text) <= displayWidth;
}

// Cuts a group too wide for the display to the longest of its half, third, quarter ... that fits
// with a hyphen behind it (never below 3 characters), or at the word's own hyphen when that comes
// first. The widths grow with the length, so the first fitting divisor is found by bisection.
bool WordChunker::FitToWidth()
{
    const int n = currentGroup.size();
    const auto stopsAt = [&](int divisor) {
        const int k = n / divisor;
        return k <= 3 || Fits(currentGroup.left(k) + QLatin1Char('-'));
    };
    if (stopsAt(1))
        return false;
    int passed = 1, stopped = n;
    while (stopped - passed > 1) {
        const int middle = passed + (stopped - passed) / 2;
        (stopsAt(middle) ? stopped : passed) = middle;
    }
    const int k = n / stopped;
    const int hyphen = currentGroup.indexOf(QLatin1Char('-')) + 1;
    if (hyphen >= 2 && hyphen <= k) {
        pendingRemainder = currentGroup.mid(hyphen);
        currentGroup.truncate(hyphen);
    } else {
        pendingRemainder = currentGroup.mid(k);
        currentGroup = currentGroup.left(k) + QLatin1Char('-');
    }
    return true;
}

// Adds the extra ticks for a group ending in a sentence's or a clause's closing mark; true when
// the word carries such a mark, which also ends the group.
bool WordChunker::AddClosingExtra(const QString &word)
{
    const QChar last = word.back();
    if (EndsSentence(last)) {
        extraTicks += rules.EndOfSentence;
        return true;
    }
    if (EndsClause(last)) {
        extraTicks += rules.Comma;
        return true;
    }
    return false;
}

// Adds words, each behind one space, while the group stays within the length limit and the display.
void WordChunker::ExtendGroup()
{
    for (;;) {
        Word word;
        if (!FindNextWord(word))
            return;
        const QString candidate = currentGroup + QLatin1Char(' ') + word.text;
        if (candidate.size() > rules.Length || !Fits(candidate + QLatin1Char('-')))
            return;
        Consume(word);
        currentGroup = candidate;
        if (AddClosingExtra(word.text))
            return;
    }
}
