#pragma once
#include <QString>

class TextMeasurer;

// The letter the eye rests on in a flashed word, and where a group is drawn so that this letter
// always stands at the same point of the display: the reader's eye never has to move.

// The index in word of its focus letter: of a word of n letters (marks in front, such as quotes,
// brackets and dashes, not counted) the 1st for n = 1, the 2nd for 2 to 5, the 3rd for 6 to 9, the
// 4th for 10 to 13 and the 5th beyond.
int FocusLetter(const QString &word);
// The index in group of the focus letter of its longest word (the first of the longest).
int GroupFocusLetter(const QString &group);

// The fixed point, a little left of the display's centre.
int FocusPointX(int displayWidth);

// A group laid out around its focus letter: the letter's index, the x where the group begins and
// where the letter begins and ends. A group that would leave the display is shifted no more than
// it must be to fit, and one wider than the display begins at its left edge.
struct FocusLayout {
    int focus = 0;
    int left = 0;
    int letterLeft = 0;
    int letterRight = 0;
    bool shifted = false;

    double LetterCentre() const { return (letterLeft + letterRight) / 2.0; }
};
FocusLayout LayOutAroundFocus(const QString &group, const TextMeasurer &measurer, int displayWidth);
