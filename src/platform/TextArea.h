#pragma once
#include "ColorRef.h"
#include <QString>

// A plain-text area as the logic sees it. Positions are 0-based character offsets in which a line
// break is CR LF and counts as two positions; a selection is a start and a length. Lines are the
// displayed (possibly wrapped) lines of the area.
class TextArea {
public:
    virtual ~TextArea() = default;

    virtual int TextLength() const = 0;
    virtual QString Text() const = 0;                          // the whole text, line breaks as CR LF
    virtual QString TextRange(int from, int length) const = 0; // a span, clipped to the text
    virtual void SetText(const QString &text) = 0;             // CR LF, LF or CR line breaks
    // Puts text in place of the whole text as one step of the area's undo history, so that one
    // undo brings the old text back; the caret goes to the start. A text the same as the one
    // shown changes nothing.
    virtual void ReplaceText(const QString &text) = 0;
    // Puts text (CR LF, LF or CR line breaks) in place of the selection as one step of the undo
    // history; the caret follows the text put in.
    virtual void ReplaceSelection(const QString &text) = 0;

    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual QString SelText() const = 0;
    virtual void SetSelStart(int position) = 0;  // caret at position, selection empty
    virtual void SetSelLength(int length) = 0;   // from the start over length, clipped; caret in view

    // First occurrence of needle starting at or after from and ending no later than from + span, or -1.
    virtual int Find(const QString &needle, int from, int span) const = 0;
    // The same with letters of either case taken as one (Ё as ё, W as w).
    virtual int FindIgnoringCase(const QString &needle, int from, int span) const = 0;

    virtual void SetSelectedColor(ColorRef colour) = 0; // colour of the selected characters
    // A mark behind the characters of a range, in colour, drawn over the colourings of
    // SetSelectedColor and apart from them; one at a time, a length of 0 takes it away. It moves
    // neither the caret, the selection nor the view.
    virtual void SetMark(int from, int length, ColorRef colour) = 0;
    virtual ColorRef FontColor() const = 0;              // the normal text colour
    virtual void SetHideSelection(bool hide) = 0;

    virtual int FirstVisibleLine() const = 0;
    virtual int LineFromChar(int position) const = 0;
    virtual int LineIndex(int line) const = 0;  // position of the first character of a line
    virtual int LineCount() const = 0;
    // The text of a line without its line break; empty for a line that does not exist.
    // An implementation may answer faster than this default, which goes through LineIndex.
    virtual QString LineText(int line) const
    {
        const int count = LineCount();
        if (line < 0 || line >= count)
            return {};
        const int from = LineIndex(line);
        const int to = line + 1 < count ? LineIndex(line + 1) : TextLength();
        QString text = TextRange(from, to - from);
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        return text;
    }
    virtual void ScrollLines(int lines) = 0;    // negative scrolls up
};
