#pragma once
#include "DocumentLimits.h"
#include <QString>
#include <QStringView>

// Builds the plain text of a document one paragraph a line, as the converters meet its content.
// A paragraph ends at the next paragraph's first text, so empty paragraphs leave no blank lines.
class ParagraphWriter {
public:
    explicit ParagraphWriter(qsizetype maxLength = kMaxTextLength);

    void Text(QStringView text);      // as it is; LF breaks the line
    void FlowText(QStringView text);  // runs of white space as one space, none at a line start
    void LineBreak();
    void EndParagraph();
    void EmptyLine();                 // a blank line before what follows
    // Written before the next text of the paragraph, such as a list item's bullet; dropped when
    // another prefix comes first.
    void SetPrefix(QString prefix);

    bool IsEmpty() const { return text.isEmpty(); }
    bool Full() const { return text.size() > maxLength; }  // the document is too long to take
    // The text, without white space at its end; then empty again.
    QString Take();

private:
    void Put(QStringView piece);

    qsizetype maxLength;
    QString text;
    QString prefix;
    bool lineHasText = false;
    bool spacePending = false;
};

// The text, then a blank line and the notes when there are any.
QString WithNotes(QString text, QString notes);
