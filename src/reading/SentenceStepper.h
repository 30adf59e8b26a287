#pragma once
#include "platform/ColorRef.h"
#include <QString>
#include <functional>
#include <optional>

class TextArea;

// Steps through a text area one piece (normally one sentence) at a time: selects the next piece
// behind the selection, colours the spoken piece and keeps it in view. At the end of the text it
// executes AcStopBoth and puts the caret at 0.
class SentenceStepper {
public:
    static constexpr int SearchWindow = 1000;
    static constexpr int MaxPieceLength = 1000;
    static constexpr int ScrollMargin = 10;

    void NextSentence(TextArea &area);
    // Selects the next piece that has something to say and gives its text without backquotes;
    // nothing at the end of the text, which has run AcStopBoth.
    std::optional<QString> NextSpokenPiece(TextArea &area);
    void HighlightSentence(TextArea &area);
    void ClearHighlight(TextArea &area);
    void RecolourHighlight(TextArea &area);  // the coloured piece in HighlightTextColor again
    // Marks a word of the coloured piece in HighlightTextColor, from where it starts in the piece;
    // the mark goes with the piece's colouring.
    void MarkWord(TextArea &area, int offset, int length);
    void ClearWordMark(TextArea &area);
    void ScrollToHighlight(TextArea &area);

    std::function<void()> AcStopBoth;   // stops whichever reading is under way
    ColorRef HighlightTextColor = MakeColorRef(255, 255, 0);
    int VisibleLineCount = 0;
    bool KnowAbbreviations = false;  // a full stop of a common abbreviation ends no piece

    bool DashPending = false;
    int HighlightStart = 0;
    int HighlightLength = 0;
    int MarkOffset = 0;  // the word marked, in the piece
    int MarkLength = 0;

private:
    void SelectPiece(TextArea &area, int start);
    int FindDelimiter(const TextArea &area, QStringView delimiter, int start) const;
    void EndReading(TextArea &area);
    void CreepToHighlight(TextArea &area);
    void ColourHighlight(TextArea &area, ColorRef colour);
};
