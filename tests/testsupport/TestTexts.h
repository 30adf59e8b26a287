#pragma once
#include <QByteArray>
#include <QString>

// Lines made from a pattern with %1 for the line's number (from 0), joined by CR LF.
QString NumberedLines(int count, const QString &pattern = QStringLiteral("Строка %1."));
// Paragraphs "P<n> слово0 слово1 ...", long enough to wrap over several lines, joined by CR LF.
QString Paragraphs(int count, int words = 30);

// A file's bytes, empty when it cannot be read; writing checks that every byte went.
QByteArray ReadAll(const QString &path);
void WriteAll(const QString &path, const QByteArray &bytes);
