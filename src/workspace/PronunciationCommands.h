#pragma once
#include "reading/PronunciationDictionary.h"
#include <QString>

class TextArea;

// "Произношение...": the word to correct (the one selected in Re1, or the one at its caret), and
// the dictionary for every text kept in its file, each change written at once.
class PronunciationCommands {
public:
    static constexpr auto NotWrittenMessage = "Словарь произношения не записан в файл «%1»: %2";

    PronunciationCommands(const TextArea &re1, PronunciationDictionary &dictionary, QString path);

    QString WordAtCaret() const;  // empty when there is none
    // The entry for the word as it stands: its own, or a new one that reads it as written.
    PronunciationEntry EntryFor(const QString &word) const;
    const PronunciationDictionary &Dictionary() const { return dictionary; }

    // Each gives an empty text when done, else what to tell the user.
    QString Keep(const PronunciationEntry &entry);
    QString Remove(const PronunciationEntry &entry);
    QString Import(const QString &path);  // the entries of the file join the dictionary
    QString Export(const QString &path) const;

    // The word with "+" before its vowel number vowel (from 0).
    static QString Marked(const QString &word, int vowel);
    static int VowelCount(const QString &word);

private:
    QString Write();

    const TextArea &re1;
    PronunciationDictionary &dictionary;
    QString path;
};
