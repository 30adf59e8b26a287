#include "ParagraphWriter.h"

namespace {

bool IsCollapsedSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

}  // namespace

ParagraphWriter::ParagraphWriter(qsizetype maxLength)
    : maxLength(maxLength)
{
}

void ParagraphWriter::Text(QStringView piece)
{
    qsizetype from = 0;
    for (qsizetype at = piece.indexOf(u'\n'); at >= 0; at = piece.indexOf(u'\n', from)) {
        Put(piece.sliced(from, at - from));
        LineBreak();
        from = at + 1;
    }
    Put(piece.sliced(from));
}

void ParagraphWriter::FlowText(QStringView piece)
{
    qsizetype at = 0;
    while (at < piece.size()) {
        if (IsCollapsedSpace(piece[at])) {
            spacePending = lineHasText;
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < piece.size() && !IsCollapsedSpace(piece[end]))
            ++end;
        Put(piece.sliced(at, end - at));
        at = end;
    }
}

void ParagraphWriter::Put(QStringView piece)
{
    if (piece.isEmpty() || Full())
        return;
    if (!lineHasText) {
        text += prefix;
        prefix.clear();
    } else if (spacePending) {
        text += u' ';
    }
    spacePending = false;
    text += piece;
    lineHasText = true;
}

void ParagraphWriter::LineBreak()
{
    text += u'\n';
    lineHasText = false;
    spacePending = false;
}

void ParagraphWriter::EndParagraph()
{
    if (lineHasText)
        LineBreak();
    spacePending = false;
}

void ParagraphWriter::EmptyLine()
{
    EndParagraph();
    if (!text.isEmpty() && !text.endsWith(QStringLiteral("\n\n")))
        text += u'\n';
}

void ParagraphWriter::SetPrefix(QString newPrefix)
{
    prefix = std::move(newPrefix);
}

QString ParagraphWriter::Take()
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    text.truncate(end);
    lineHasText = false;
    spacePending = false;
    prefix.clear();
    return std::exchange(text, QString());
}

QString WithNotes(QString text, QString notes)
{
    if (notes.isEmpty())
        return text;
    return text + QStringLiteral("\n\n") + notes;
}
