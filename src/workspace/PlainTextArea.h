#pragma once
#include "platform/TextArea.h"
#include <QList>
#include <QString>

// A text area in memory with nothing on screen: each paragraph (text between CR LF pairs) is one
// line, colours and scrolling change nothing. The export of the reading steps through one.
class PlainTextArea : public TextArea {
public:
    explicit PlainTextArea(const QString &text = QString());

    int TextLength() const override { return int(text.size()); }
    QString Text() const override { return text; }
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

    void SetSelectedColor(ColorRef) override {}
    ColorRef FontColor() const override { return MakeColorRef(0, 0, 0); }
    void SetHideSelection(bool) override {}
    void SetMark(int, int, ColorRef) override {}

    int FirstVisibleLine() const override { return 0; }
    int LineFromChar(int position) const override;
    int LineIndex(int line) const override;
    int LineCount() const override { return int(lineStarts.size()); }
    void ScrollLines(int) override {}

private:
    int Clip(int position) const;
    int FindIn(const QString &needle, int from, int span, Qt::CaseSensitivity cs) const;

    QString text;
    QList<int> lineStarts;
    int selStart = 0;
    int selLength = 0;
};
