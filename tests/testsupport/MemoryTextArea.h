#pragma once
#include "platform/TextArea.h"
#include <QList>
#include <QString>
#include <functional>

// A text area in memory. Each paragraph (text between CR LF pairs) is one line; the view shows
// VisibleLines lines from its top line and scrolls no further than to show the last line at the
// bottom. Every character remembers the colour it was last given, every ScrollLines call is
// recorded, and so is how much of the text the logic reads.
class MemoryTextArea : public TextArea {
public:
    static constexpr ColorRef DefaultFontColor = MakeColorRef(0, 0, 0);

    explicit MemoryTextArea(const QString &text = QString());

    int TextLength() const override { return int(text.size()); }
    QString Text() const override;
    QString TextRange(int from, int length) const override;
    void SetText(const QString &text) override;
    void ReplaceText(const QString &text) override;
    void ReplaceSelection(const QString &text) override;

    int SelStart() const override { return selStart; }
    int SelLength() const override { return selLength; }
    QString SelText() const override { return TextRange(selStart, selLength); }
    void SetSelStart(int position) override;
    void SetSelLength(int length) override;

    int Find(const QString &needle, int from, int span) const override;
    int FindIgnoringCase(const QString &needle, int from, int span) const override;

    void SetSelectedColor(ColorRef colour) override;
    void SetMark(int from, int length, ColorRef colour) override { Mark = {from, length, colour}; }
    ColorRef FontColor() const override { return DefaultFontColor; }
    void SetHideSelection(bool hide) override { HideSelection = hide; }

    int FirstVisibleLine() const override { return topLine; }
    int LineFromChar(int position) const override;
    int LineIndex(int line) const override;
    int LineCount() const override { return int(lineStarts.size()); }
    void ScrollLines(int lines) override;

    ColorRef ColourAt(int position) const;  // the font colour where nothing was coloured

    struct Marked {
        int from = 0, length = 0;
        ColorRef colour = 0;
        bool operator==(const Marked &) const = default;
    };
    Marked Mark;  // as SetMark left it

    int VisibleLines = 20;
    bool HideSelection = false;
    QList<int> Scrolls;  // the argument of every ScrollLines call, in order
    std::function<void()> SelectionChanged;  // as the window's text area reports it
    mutable int WholeTextReads = 0;
    mutable qsizetype CharactersRead = 0;  // through TextRange and the spans Find searched

private:
    int Clip(int position) const;
    int FindIn(const QString &needle, int from, int span, Qt::CaseSensitivity cs) const;
    void ScrollCaretIntoView();

    QString text;
    QList<int> lineStarts;
    QList<ColorRef> colours;  // empty until something is coloured
    int selStart = 0;
    int selLength = 0;
    int topLine = 0;
};
