#pragma once
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <stop_token>

// A PDF's text through poppler: its words with their boxes, made into paragraphs
// by PdfParagraphText, a hyphen at a line end kept or dropped as the spelling dictionaries say
// (HyphenDictionary). Nothing for a file poppler cannot read or one locked by a password.
std::optional<QString> PdfToText(QByteArrayView bytes, const std::stop_token &stop);
