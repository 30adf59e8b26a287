#include "workspace/PlainTextArea.h"
#include <algorithm>

namespace {

QString WithCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace

PlainTextArea::PlainTextArea(const QString &text)
{
    PlainTextArea::SetText(text);
}

int PlainTextArea::Clip(int position) const
{
    return std::clamp(position, 0, TextLength());
}

QString PlainTextArea::TextRange(int from, int length) const
{
    from = Clip(from);
    return text.mid(from, std::clamp(length, 0, TextLength() - from));
}

void PlainTextArea::SetText(const QString &newText)
{
    text = WithCrLf(newText);
    lineStarts = {0};
    for (int p = int(text.indexOf(u"\r\n")); p >= 0; p = int(text.indexOf(u"\r\n", p + 2)))
        lineStarts.append(p + 2);
    selStart = selLength = 0;
}

void PlainTextArea::ReplaceText(const QString &newText)
{
    if (WithCrLf(newText) != text)
        SetText(newText);
}

void PlainTextArea::ReplaceSelection(const QString &inserted)
{
    const QString lines = WithCrLf(inserted);
    const int caret = selStart + int(lines.size());
    SetText(text.left(selStart) + lines + text.mid(selStart + selLength));
    SetSelStart(caret);
}

void PlainTextArea::SetSelStart(int position)
{
    selStart = Clip(position);
    selLength = 0;
}

void PlainTextArea::SetSelLength(int length)
{
    selLength = std::clamp(length, 0, TextLength() - selStart);
}

int PlainTextArea::FindIn(const QString &needle, int from, int span, Qt::CaseSensitivity cs) const
{
    if (from < 0 || from > TextLength() || span < 0)
        return -1;
    const int found = int(QStringView(text).mid(from, span).indexOf(needle, 0, cs));
    return found < 0 ? -1 : from + found;
}

int PlainTextArea::Find(const QString &needle, int from, int span) const
{
    return FindIn(needle, from, span, Qt::CaseSensitive);
}

int PlainTextArea::FindIgnoringCase(const QString &needle, int from, int span) const
{
    return FindIn(needle, from, span, Qt::CaseInsensitive);
}

int PlainTextArea::LineFromChar(int position) const
{
    const auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), Clip(position));
    return int(after - lineStarts.begin()) - 1;
}

int PlainTextArea::LineIndex(int line) const
{
    return line >= 0 && line < lineStarts.size() ? lineStarts[line] : -1;
}
