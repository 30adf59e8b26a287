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
    CurrentGroup.clear();
}

void WordChunker::MoveTo(int line, int offset)
{
    ReadLine = std::max(line, 0);
    ReadOffset = std::max(offset, 0);
    GroupSpan = 0;
    PendingRemainder.clear();
}

bool WordChunker::NextWordGroup()
{
    GroupSpan = 0;
    const bool remainder = !PendingRemainder.isEmpty();
    if (remainder) {
        CurrentGroup = PendingRemainder;
        PendingRemainder.clear();
    } else {
        Word word;
        if (!FindNextWord(word))
            return false;
        Consume(word);
        CurrentGroup = word.text;
    }
    const bool split = FitToWidth();
    if (CurrentGroup.size() > Rules.Letters)
        ExtraTicks += Rules.LongWord;
    if (AddClosingExtra(CurrentGroup))
        return true;
    if (Rules.Length >= 3 && !remainder && !split)
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
    for (;;) {
        const QString line = ReadableLine(ReadLine);
        const int from = std::max(ReadOffset, 0);
        int start = from;
        while (start < line.size() && IsBlank(line[start]))
            ++start;
        if (start < line.size()) {
            int end = line.indexOf(QLatin1Char(' '), start);
            if (end < 0)
                end = line.size();
            int last = end;
            while (IsBlank(line[last - 1]))
                --last;
            word.text = line.mid(start, last - start);
            word.end = end;
            word.consumed = end - from;
            return true;
        }
        if (!EnterNextLine())
            return false;
    }
}

// Moves to the next line that is not blank (at least one line on, never past the last);
// false at the last line, which is the end of the text.
bool WordChunker::EnterNextLine()
{
    const int count = area.LineCount();
    if (ReadLine >= count - 1)
        return false;
    ReadOffset = 0;
    do
        ++ReadLine;
    while (ReadLine < count - 1 && IsBlankLine(area.LineText(ReadLine)));
    if (OnLineEntered)
        OnLineEntered(ReadLine * 100 / count);
    return true;
}

void WordChunker::Consume(const Word &word)
{
    ReadOffset = word.end;
    GroupSpan += word.consumed;
    ++WordsRead;
    SymbolsRead += word.text.size();
}

bool WordChunker::Fits(const QString &text) const
{
    return measurer.TextWidth(text) <= DisplayWidth;
}

// Cuts a group too wide for the display to the longest of its half, third, quarter ... that fits
// with a hyphen behind it (never below 3 characters), or at the word's own hyphen when that comes
// first. The widths grow with the length, so the first fitting divisor is found by bisection.
bool WordChunker::FitToWidth()
{
    const int n = CurrentGroup.size();
    const auto stopsAt = [&](int divisor) {
        const int k = n / divisor;
        return k <= 3 || Fits(CurrentGroup.left(k) + QLatin1Char('-'));
    };
    if (stopsAt(1))
        return false;
    int passed = 1, stopped = n;
    while (stopped - passed > 1) {
        const int middle = passed + (stopped - passed) / 2;
        (stopsAt(middle) ? stopped : passed) = middle;
    }
    const int k = n / stopped;
    const int hyphen = CurrentGroup.indexOf(QLatin1Char('-')) + 1;
    if (hyphen >= 2 && hyphen <= k) {
        PendingRemainder = CurrentGroup.mid(hyphen);
        CurrentGroup.truncate(hyphen);
    } else {
        PendingRemainder = CurrentGroup.mid(k);
        CurrentGroup = CurrentGroup.left(k) + QLatin1Char('-');
    }
    return true;
}

// Adds the extra ticks for a group ending in a sentence's or a clause's closing mark; true when
// the word carries such a mark, which also ends the group.
bool WordChunker::AddClosingExtra(const QString &word)
{
    const QChar last = word.back();
    if (EndsSentence(last)) {
        ExtraTicks += Rules.EndOfSentence;
        return true;
    }
    if (EndsClause(last)) {
        ExtraTicks += Rules.Comma;
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
        const QString candidate = CurrentGroup + QLatin1Char(' ') + word.text;
        if (candidate.size() > Rules.Length || !Fits(candidate + QLatin1Char('-')))
            return;
        Consume(word);
        CurrentGroup = candidate;
        if (AddClosingExtra(word.text))
            return;
    }
}
