#include "MemoryTextArea.h"
#include <algorithm>

MemoryTextArea::MemoryTextArea(const QString &text)
{
    SetText(text);
}

int MemoryTextArea::Clip(int position) const
{
    return std::clamp(position, 0, TextLength());
}

QString MemoryTextArea::Text() const
{
    ++WholeTextReads;
    return text;
}

QString MemoryTextArea::TextRange(int from, int length) const
{
    from = Clip(from);
    const QString range = text.mid(from, std::clamp(length, 0, TextLength() - from));
    CharactersRead += range.size();
    return range;
}

namespace {

QString WithCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace

void MemoryTextArea::SetText(const QString &newText)
{
    text = WithCrLf(newText);
    lineStarts = {0};
    for (int p = int(text.indexOf(u"\r\n")); p >= 0; p = int(text.indexOf(u"\r\n", p + 2)))
        lineStarts.append(p + 2);
    colours.clear();
    selStart = selLength = topLine = 0;
}

void MemoryTextArea::ReplaceText(const QString &newText)
{
    if (WithCrLf(newText) != text)
        SetText(newText);
}

void MemoryTextArea::ReplaceSelection(const QString &inserted)
{
    const QString lines = WithCrLf(inserted);
    const int caret = selStart + int(lines.size());
    SetText(text.left(selStart) + lines + text.mid(selStart + selLength));
    SetSelStart(caret);
}

void MemoryTextArea::SetSelStart(int position)
{
    selStart = Clip(position);
    selLength = 0;
    if (SelectionChanged)
        SelectionChanged();
}

void MemoryTextArea::SetSelLength(int length)
{
    selLength = std::clamp(length, 0, TextLength() - selStart);
    ScrollCaretIntoView();
    if (SelectionChanged)
        SelectionChanged();
}

void MemoryTextArea::ScrollCaretIntoView()
{
    const int caretLine = LineFromChar(selStart + selLength);
    if (caretLine < topLine)
        topLine = caretLine;
    else if (caretLine >= topLine + VisibleLines)
        topLine = caretLine - VisibleLines + 1;
}

int MemoryTextArea::FindIn(const QString &needle, int from, int span, Qt::CaseSensitivity cs) const
{
    CharactersRead += span;
    if (from < 0 || from > TextLength() || span < 0)
        return -1;
    const int found = int(QStringView(text).mid(from, span).indexOf(needle, 0, cs));
    return found < 0 ? -1 : from + found;
}

int MemoryTextArea::Find(const QString &needle, int from, int span) const
{
    return FindIn(needle, from, span, Qt::CaseSensitive);
}

int MemoryTextArea::FindIgnoringCase(const QString &needle, int from, int span) const
{
    return FindIn(needle, from, span, Qt::CaseInsensitive);
}

void MemoryTextArea::SetSelectedColor(ColorRef colour)
{
    if (colours.size() != text.size())
        colours = QList<ColorRef>(text.size(), DefaultFontColor);
    std::fill(colours.begin() + selStart, colours.begin() + selStart + selLength, colour);
}

ColorRef MemoryTextArea::ColourAt(int position) const
{
    return position >= 0 && position < colours.size() ? colours[position] : DefaultFontColor;
}

int MemoryTextArea::LineFromChar(int position) const
{
    const auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), Clip(position));
    return int(after - lineStarts.begin()) - 1;
}

int MemoryTextArea::LineIndex(int line) const
{
    return line >= 0 && line < lineStarts.size() ? lineStarts[line] : -1;
}

void MemoryTextArea::ScrollLines(int lines)
{
    Scrolls.append(lines);
    topLine = std::clamp(topLine + lines, 0, std::max(0, LineCount() - VisibleLines));
}
