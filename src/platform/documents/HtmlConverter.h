#pragma once
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <stop_token>

class ParagraphWriter;

// HTML and XHTML read by libxml2's forgiving HTML parser, in the encoding of the byte-order mark
// or the <meta> charset, else the one the content shows. Headings, paragraphs, list items and table
// cells each take a line; the head, scripts, styles and comments never reach the text.
std::optional<QString> HtmlToText(QByteArrayView bytes, const std::stop_token &stop);

// The same into writer, for a book made of several pages. False when stopped or full.
bool AppendHtml(QByteArrayView bytes, ParagraphWriter &writer, const std::stop_token &stop);
