#pragma once

class TextArea;

// View helpers over a text area, in its (displayed) lines.

// Scrolls so that the selected lines stand in the middle of a view of visibleLineCount lines. A
// selection taller than the view is centred as well: as many selected lines lie above the view
// as below it.
void CentreCaretLine(TextArea &area, int visibleLineCount);

// The character index at which the topmost visible line starts.
int FirstVisibleCharIndex(const TextArea &area);

// Scrolls so that the line holding the character at index is the topmost visible line.
void ScrollCharToTop(TextArea &area, int index);

// Whole text lines that fit in a client area; none while the line height is unknown.
int VisibleLinesIn(int clientHeight, int lineHeight);

// What a reader sees of a text area: the character at the top of the view and the selection.
struct TextView {
    int firstVisibleChar = 0;
    int selStart = 0;
    int selLength = 0;
};

TextView TakeView(const TextArea &area);
// Selects as before, then brings the remembered character back to the top of the view.
void RestoreView(TextArea &area, const TextView &view);
