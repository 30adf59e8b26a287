#pragma once
#include "workspace/PlainTextArea.h"
#include <QList>
#include <QString>
#include <functional>

// A text area in memory that the tests watch: the view shows VisibleLines lines from its top line
// and scrolls no further than to show the last line at the bottom. Every character remembers the
// colour it was last given, every ScrollLines call is recorded, and so is how much of the text the
// logic reads.
class MemoryTextArea : public PlainTextArea {
public:
    static constexpr ColorRef DefaultFontColor = MakeColorRef(0, 0, 0);

    explicit MemoryTextArea(const QString &text = QString());

    QString Text() const override;
    QString TextRange(int from, int length) const override;
    void SetText(const QString &text) override;

    void SetSelStart(int position) override;
    void SetSelLength(int length) override;

    int Find(const QString &needle, int from, int span) const override;
    int FindIgnoringCase(const QString &needle, int from, int span) const override;

    void SetSelectedColor(ColorRef colour) override;
    void SetMark(int from, int length, ColorRef colour) override { Mark = {from, length, colour}; }
    ColorRef FontColor() const override { return DefaultFontColor; }
    void SetHideSelection(bool hide) override { HideSelection = hide; }

    int FirstVisibleLine() const override { return topLine; }
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
    void ScrollCaretIntoView();

    QList<ColorRef> colours;  // empty until something is coloured
    int topLine = 0;
};
