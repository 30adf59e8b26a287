#pragma once
#include <QByteArrayView>
#include <QString>
#include <optional>

// The bytes as text: a byte-order mark (UTF-8, UTF-16 LE or BE) decides and is dropped; otherwise
// valid UTF-8 is UTF-8; otherwise librcd decides among the Russian code pages Windows-1251, KOI8-R
// and IBM866, and what it calls Latin is read as Windows-1252.
QString DecodeText(QByteArrayView bytes);

// Whether the bytes look like text rather than binary data, judged by their start: a byte-order
// mark, or no NUL and hardly any other control bytes.
bool LooksLikeText(QByteArrayView bytes);

// A plain-text file's text with LF line ends; nothing when it holds binary data.
std::optional<QString> PlainText(QByteArrayView bytes);

// CR LF and lone CR become LF.
void UseLfLineEnds(QString &text);
