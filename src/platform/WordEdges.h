#pragma once
#include <QStringView>

// The letters a text ends or starts with: the two halves of a word broken at a line end.
inline QStringView LettersAtEnd(QStringView text)
{
    qsizetype from = text.size();
    while (from > 0 && text[from - 1].isLetter())
        --from;
    return text.sliced(from);
}

inline QStringView LettersAtStart(QStringView text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end].isLetter())
        ++end;
    return text.first(end);
}
