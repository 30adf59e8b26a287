#pragma once
#include "platform/TextArea.h"
#include <QMetaObject>
#include <QTextEdit>
#include <optional>
#include <vector>

class QPlainTextEdit;
class QTextCursor;
class QTextDocument;

// The text area over a QPlainTextEdit, which it does not own. The widget keeps one separator
// between paragraphs where the logic counts CR LF: a logic position is the widget's position plus
// the number of line breaks before its paragraph; the position between CR and LF shows as the
// paragraph's end and reads back unchanged as long as nobody moves the widget's cursor. Coloured
// pieces are extra selections, so colouring neither edits the document nor fills its undo stack.
// A paragraph too long to lay out at once is shown as several: a space in it every few thousand
// characters becomes a display break, a paragraph separator whose character format marks it, read
// back as the space. The mark is a format of the separator itself, so undo and redo keep it, and a
// separator the user types is a line break as ever.
class QtTextArea : public TextArea {
public:
    explicit QtTextArea(QPlainTextEdit *edit);
    ~QtTextArea() override;
    QtTextArea(const QtTextArea &) = delete;
    QtTextArea &operator=(const QtTextArea &) = delete;

    int TextLength() const override;
    QString Text() const override;
    QString TextRange(int from, int length) const override;
    void SetText(const QString &text) override;
    void ReplaceText(const QString &text) override;
    void ReplaceSelection(const QString &text) override;  // an edit block of the widget's document

    int SelStart() const override { return Selection().start; }
    int SelLength() const override { return Selection().length; }
    QString SelText() const override;
    void SetSelStart(int position) override;
    void SetSelLength(int length) override;

    int Find(const QString &needle, int from, int span) const override;
    int FindIgnoringCase(const QString &needle, int from, int span) const override;

    void SetSelectedColor(ColorRef colour) override;
    void SetMark(int from, int length, ColorRef colour) override;  // its text in the base colour
    ColorRef FontColor() const override;
    void SetHideSelection(bool hide) override;

    int FirstVisibleLine() const override;
    int LineFromChar(int position) const override;
    int LineIndex(int line) const override;
    int LineCount() const override;
    void ScrollLines(int lines) override;

    int WidgetPosition(int position) const;       // logic position to the widget's
    int LogicPosition(int widgetPosition) const;  // and back

private:
    struct LogicSelection {
        int start = 0;
        int length = 0;
    };
    // The selection the logic set last, with the widget cursor it gave.
    struct RememberedSelection {
        LogicSelection logic;
        int anchor = -1;
        int position = -1;
    };

    QTextDocument *Document() const;
    int Clip(int position) const;
    // Numbers of the paragraphs that start after a display break, in order.
    const std::vector<int> &DisplayBreaks() const;
    bool StartsAfterDisplayBreak(int number) const;
    int LineBreaksBefore(int number) const;  // the CR LF in front of a paragraph
    // Turns the display breaks in a piece of the widget's text, starting at widgetFrom, into the
    // spaces they stand for.
    void SpacesAtDisplayBreaks(QString &widgetText, int widgetFrom) const;
    QString RawText() const;  // the widget's text with spaces at the display breaks
    void Insert(QTextCursor &cursor, QString paragraphs);
    void MarkDisplayBreaks(int widgetStart, const std::vector<int> &breaks);
    int BlockNumberAt(int position) const;
    bool BlockHolds(int number, int position) const;
    LogicSelection Selection() const;
    const QString &CaseFoldedText() const;
    void Select(int start, int length);
    // The extra selections; the mark, when there is one, is the last.
    void ShowColourings(QList<QTextEdit::ExtraSelection> colourings);
    QList<QTextEdit::ExtraSelection> Colourings() const;

    // The span Find read last: the stepper searches the same window for every delimiter.
    struct SearchedSpan {
        int from = -1;
        int span = -1;
        QString text;
    };

    QPlainTextEdit *edit;
    QMetaObject::Connection contentsWatch;
    RememberedSelection remembered;
    mutable SearchedSpan searched;
    mutable std::optional<QString> caseFolded;  // the text with every letter case-folded
    mutable int lastBlockNumber = 0;  // the paragraph BlockNumberAt found last
    // Known to be empty while this document has never had a display break; otherwise found anew
    // after each change, which undo and redo may make anywhere.
    mutable std::optional<std::vector<int>> displayBreaks = std::vector<int>();
    bool madeDisplayBreaks = false;
    int hiddenSelection = -1;  // -1 until SetHideSelection, then 0 or 1
    std::optional<QTextEdit::ExtraSelection> mark;
};
