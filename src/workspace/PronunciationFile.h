#pragma once
#include "reading/PronunciationDictionary.h"
#include <QList>
#include <QString>

// The pronunciation dictionary for every text, "Pronunciation.txt" in the program folder, and
// the files the list imports and exports: UTF-8 text, one entry a line.
namespace PronunciationFile {

constexpr auto Name = "Pronunciation.txt";
constexpr auto BadLinesMessage = "В файле «%1» непонятные строки: %2. Остальные прочитаны.";

// The entries of the file, none for a missing one; the lines that make no sense go to badLines.
PronunciationDictionary Read(const QString &path, QList<int> *badLines);
// Replaces the file as a whole or leaves it as it was; reason tells why not.
bool Write(const QString &path, const PronunciationDictionary &dictionary, QString *reason = nullptr);
// What the user is told of the lines that make no sense; empty when there are none.
QString BadLines(const QString &path, const QList<int> &lines);

} // namespace PronunciationFile
