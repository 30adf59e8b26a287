#include "reading/SentenceStepper.h"
#include "platform/TextArea.h"
#include "reading/Abbreviations.h"
#include "reading/BlankText.h"
#include <QStringView>
#include <algorithm>
#include <array>

namespace {

// A terminator followed by a blank, or an empty line; a piece ends on the second character.
const std::array<QStringView, 17> SentenceDelimiters = {
    u". ", u".\t", u".\r", u".\n",
    u"\" ", u"\"\t", u"\"\r", u"\"\n",
    u"! ", u"!\t", u"!\r", u"!\n",
    u"? ", u"?\t", u"?\r", u"?\n",
    u"\r\n\r\n",
};
constexpr QStringView LineBreak = u"\r\n";
constexpr QStringView Dash = u" --- ";
constexpr int DashLastHyphen = 3;  // offset of the dash's third hyphen

int Find(const TextArea &area, QStringView needle, int from)
{
    return area.Find(needle.toString(), from, SentenceStepper::SearchWindow);
}

// Looks on past the full stops that abbreviations hold, still within the window of start.
int FindPastAbbreviations(const TextArea &area, QStringView delimiter, int start)
{
    const int contextStart = std::max(0, start - Abbreviations::Reach);
    const QString context = area.TextRange(contextStart, start - contextStart + SentenceStepper::SearchWindow +
                                                             Abbreviations::Reach);
    const int windowEnd = start + SentenceStepper::SearchWindow;
    int p = Find(area, delimiter, start);
    while (p >= 0 && Abbreviations::HoldsStop(context, p - contextStart))
        p = area.Find(delimiter.toString(), p + 1, windowEnd - (p + 1));
    return p;
}

} // namespace

void SentenceStepper::NextSentence(TextArea &area)
{
    const int start = area.SelStart() + area.SelLength();
    const int firstWord = FirstNonBlank(area, start);
    if (firstWord < 0) {
        EndReading(area);
        return;
    }
    area.SetHideSelection(true);
    SelectPiece(area, start);
    if (!IsBlankText(area.SelText()))
        return;
    // Only blanks up to the piece's end: the reading goes on at the first word behind them.
    area.SetSelStart(firstWord);
    NextSentence(area);
}

// A piece of blanks and backquotes only would be silence that never reports its end.
std::optional<QString> SentenceStepper::NextSpokenPiece(TextArea &area)
{
    QString text;
    do {
        NextSentence(area);
        if (area.SelStart() + area.SelLength() == 0)
            return std::nullopt;
        text = area.SelText().remove(u'`');
    } while (IsBlankText(text));
    return text;
}

void SentenceStepper::SelectPiece(TextArea &area, int start)
{
    int end = area.TextLength();
    for (QStringView delimiter : SentenceDelimiters) {
        const int p = FindDelimiter(area, delimiter, start);
        if (p >= 0 && p + 1 < end)
            end = p + 1;
    }
    if (DashPending) {
        const int p = Find(area, LineBreak, start);
        if (p >= 0 && p + 1 < end) {
            end = p + 1;
            DashPending = false;
        }
    }
    const int dash = Find(area, Dash, start);
    if (dash > 0 && dash < end) {
        end = dash + DashLastHyphen;
        DashPending = true;
    }
    area.SetSelStart(start);
    area.SetSelLength(std::min(end - start + 1, MaxPieceLength));
}

int SentenceStepper::FindDelimiter(const TextArea &area, QStringView delimiter, int start) const
{
    if (KnowAbbreviations && delimiter.front() == u'.')
        return FindPastAbbreviations(area, delimiter, start);
    return Find(area, delimiter, start);
}

void SentenceStepper::EndReading(TextArea &area)
{
    if (AcStopBoth)
        AcStopBoth();
    area.SetSelStart(0);
    area.SetSelLength(0);
}

void SentenceStepper::HighlightSentence(TextArea &area)
{
    if (area.SelLength() == 0)
        return;
    ClearHighlight(area);
    HighlightStart = area.SelStart();
    HighlightLength = area.SelLength();
    area.SetSelectedColor(HighlightTextColor);
    area.SetSelStart(HighlightStart + HighlightLength);
}

void SentenceStepper::ClearHighlight(TextArea &area)
{
    ClearWordMark(area);
    ColourHighlight(area, area.FontColor());
}

void SentenceStepper::RecolourHighlight(TextArea &area)
{
    ColourHighlight(area, HighlightTextColor);
    if (MarkLength > 0)
        MarkWord(area, MarkOffset, MarkLength);
}

void SentenceStepper::MarkWord(TextArea &area, int offset, int length)
{
    if (offset < 0 || length <= 0 || offset + length > HighlightLength)
        return;
    MarkOffset = offset;
    MarkLength = length;
    area.SetMark(HighlightStart + offset, length, HighlightTextColor);
}

void SentenceStepper::ClearWordMark(TextArea &area)
{
    if (MarkLength == 0)
        return;
    MarkLength = 0;
    area.SetMark(0, 0, HighlightTextColor);
}

// The selection is the user's again afterwards.
void SentenceStepper::ColourHighlight(TextArea &area, ColorRef colour)
{
    if (HighlightLength == 0)
        return;
    const int selStart = area.SelStart();
    const int selLength = area.SelLength();
    area.SetSelStart(HighlightStart);
    area.SetSelLength(HighlightLength);
    area.SetSelectedColor(colour);
    area.SetSelStart(selStart);
    area.SetSelLength(selLength);
}

void SentenceStepper::ScrollToHighlight(TextArea &area)
{
    if (HighlightLength == 0)
        return;
    const int first = area.FirstVisibleLine();
    const int pieceTop = area.LineFromChar(HighlightStart);
    const int pieceBottom = area.LineFromChar(HighlightStart + HighlightLength);
    if (pieceTop < first || pieceTop > first + VisibleLineCount + ScrollMargin) {
        area.ScrollLines(pieceTop - first - 1);
        return;
    }
    if (pieceBottom - first < VisibleLineCount - 1)
        return;
    CreepToHighlight(area);
}

// Moves the view down a line at a time until the piece's first line is the top line or the view
// cannot scroll further.
void SentenceStepper::CreepToHighlight(TextArea &area)
{
    int previousTop = -1;
    for (;;) {
        const int top = area.FirstVisibleLine();
        if (top == previousTop || area.LineFromChar(HighlightStart) <= top)
            return;
        area.ScrollLines(1);
        previousTop = top;
    }
}
