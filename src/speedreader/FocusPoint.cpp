#include "speedreader/FocusPoint.h"
#include "platform/TextMeasurer.h"
#include <QStringList>
#include <algorithm>

namespace {

bool IsLetter(QChar c)
{
    return c.isLetterOrNumber();
}

int LetterCount(const QString &word)
{
    return int(std::count_if(word.begin(), word.end(), IsLetter));
}

// The ordinal, from 1, of the focus letter among the word's letters.
int FocusOrdinal(int letters)
{
    if (letters <= 1)
        return 1;
    if (letters <= 5)
        return 2;
    if (letters <= 9)
        return 3;
    if (letters <= 13)
        return 4;
    return 5;
}

} // namespace

int FocusLetter(const QString &word)
{
    int wanted = FocusOrdinal(LetterCount(word));
    for (int i = 0; i < word.size(); ++i)
        if (IsLetter(word[i]) && --wanted == 0)
            return i;
    return 0;  // a word of marks only: its first
}

int GroupFocusLetter(const QString &group)
{
    int start = 0, focus = 0, longest = -1;
    for (const QString &word : group.split(QLatin1Char(' '))) {
        const int letters = LetterCount(word);
        if (letters > longest) {
            longest = letters;
            focus = start + FocusLetter(word);
        }
        start += int(word.size()) + 1;
    }
    return focus;
}

int FocusPointX(int displayWidth)
{
    return displayWidth * 2 / 5;
}

FocusLayout LayOutAroundFocus(const QString &group, const TextMeasurer &measurer, int displayWidth)
{
    FocusLayout layout;
    if (group.isEmpty())
        return layout;
    layout.focus = GroupFocusLetter(group);
    const int before = measurer.TextWidth(group.left(layout.focus));
    const int letter = measurer.TextWidth(group.mid(layout.focus, 1));
    const int width = before + letter + measurer.TextWidth(group.mid(layout.focus + 1));
    const int wanted = FocusPointX(displayWidth) - before - letter / 2;
    layout.left = std::max(std::min(wanted, displayWidth - width), 0);
    layout.shifted = layout.left != wanted;
    layout.letterLeft = layout.left + before;
    layout.letterRight = layout.letterLeft + letter;
    return layout;
}
