#pragma once
#include <QString>
#include <algorithm>

class TextArea;

// A blank is a character with code 0 to 32: space, tab, line breaks and the other control codes.
inline bool IsBlankChar(QChar c)
{
    return c.unicode() <= 32;
}

inline bool IsBlankText(QStringView text)
{
    return std::all_of(text.begin(), text.end(), IsBlankChar);
}

inline QString TrimBlanks(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && IsBlankChar(text[first]))
        ++first;
    while (last > first && IsBlankChar(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

// The position of the first non-blank character at or after from, or -1. Reads the text in
// bounded chunks, so that a long text is never copied whole.
int FirstNonBlank(const TextArea &area, int from);
