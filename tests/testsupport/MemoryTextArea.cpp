#include "MemoryTextArea.h"
#include <algorithm>

MemoryTextArea::MemoryTextArea(const QString &text) : PlainTextArea(text)
{
}

QString MemoryTextArea::Text() const
{
    ++WholeTextReads;
    return PlainTextArea::Text();
}

QString MemoryTextArea::TextRange(int from, int length) const
{
    const QString range = PlainTextArea::TextRange(from, length);
    CharactersRead += range.size();
    return range;
}

void MemoryTextArea::SetText(const QString &newText)
{
    PlainTextArea::SetText(newText);
    colours.clear();
    topLine = 0;
}

void MemoryTextArea::SetSelStart(int position)
{
    PlainTextArea::SetSelStart(position);
    if (SelectionChanged)
        SelectionChanged();
}

void MemoryTextArea::SetSelLength(int length)
{
    PlainTextArea::SetSelLength(length);
    ScrollCaretIntoView();
    if (SelectionChanged)
        SelectionChanged();
}

void MemoryTextArea::ScrollCaretIntoView()
{
    const int caretLine = LineFromChar(SelStart() + SelLength());
    if (caretLine < topLine)
        topLine = caretLine;
    else if (caretLine >= topLine + VisibleLines)
        topLine = caretLine - VisibleLines + 1;
}

int MemoryTextArea::Find(const QString &needle, int from, int span) const
{
    CharactersRead += span;
    return PlainTextArea::Find(needle, from, span);
}

int MemoryTextArea::FindIgnoringCase(const QString &needle, int from, int span) const
{
    CharactersRead += span;
    return PlainTextArea::FindIgnoringCase(needle, from, span);
}

void MemoryTextArea::SetSelectedColor(ColorRef colour)
{
    if (colours.size() != TextLength())
        colours = QList<ColorRef>(TextLength(), DefaultFontColor);
    std::fill(colours.begin() + SelStart(), colours.begin() + SelStart() + SelLength(), colour);
}

ColorRef MemoryTextArea::ColourAt(int position) const
{
    return position >= 0 && position < colours.size() ? colours[position] : DefaultFontColor;
}

void MemoryTextArea::ScrollLines(int lines)
{
    Scrolls.append(lines);
    topLine = std::clamp(topLine + lines, 0, std::max(0, LineCount() - VisibleLines));
}
