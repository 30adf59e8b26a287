#pragma once
#include <QString>
#include <optional>

// A document opened as plain text: UTF-16 or UTF-8 by their byte-order marks, otherwise UTF-8 when
// valid and Windows-1251 when not. Nothing for a file that cannot be read, is larger than
// MaxBytes, or holds binary data (a NUL byte), so that such a file never replaces the user's text.
class PlainTextDocument {
public:
    static constexpr qint64 MaxBytes = 64 * 1024 * 1024;
    static constexpr auto OpenFailedMessage = "Could not open file. Try to work with files *.txt";

    static std::optional<QString> Read(const QString &path);
    static std::optional<QString> Decode(const QByteArray &bytes);
};
