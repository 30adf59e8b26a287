#pragma once
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <stop_token>

// A Word document (Office Open XML) read from its XML parts: paragraphs and table cells a line
// each, list items with their bullets or numbers, each note reference as "[n]" and the notes'
// text after the body. Deleted text, field codes and the fallback copies of text boxes stay out.
// Nothing when it is no such document or unpacks to too much.
std::optional<QString> DocxToText(QByteArrayView bytes, const std::stop_token &stop);
