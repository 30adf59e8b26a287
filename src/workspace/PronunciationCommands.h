#pragma once
#include "reading/PronunciationDictionary.h"
#include <QString>
#include <functional>

class TextArea;

// "Произношение...": the word to correct (the one selected in Re1, or the one at its caret), and
// the two dictionaries: the one for every text kept in its file, and the one of the book shown,
// kept with its place; each change is written at once.
class PronunciationCommands {
public:
    static constexpr auto NotWrittenMessage = "Словарь произношения не записан в файл «%1»: %2";
    static constexpr auto BookNotWrittenMessage = "Словарь этой книги не записан.";

    enum class Scope { EveryText, Book };
    struct ScopedEntry {
        PronunciationEntry entry;
        Scope scope = Scope::EveryText;
    };
    // The book shown: its file (empty for a text that is not a file's), the text of its
    // dictionary, and the write of a new one, false when it failed.
    struct Book {
        std::function<QString()> shown;
        std::function<QString()> entries;
        std::function<bool(const QString &entries)> keep;
    };

    PronunciationCommands(const TextArea &re1, PronunciationDictionary &dictionary, QString path, Book book = {});

    QString WordAtCaret() const;  // empty when there is none
    // The entry for the word as it stands: the book's, the one for every text, or a new one that
    // reads it as written.
    ScopedEntry EntryFor(const QString &word);
    const PronunciationDictionary &Dictionary() const { return dictionary; }
    const PronunciationDictionary &BookDictionary();  // empty while no book is shown
    bool BookShown() const;
    // What the voices read by: the book's entries over those for every text.
    const PronunciationDictionary &InForce();

    // Each gives an empty text when done, else what to tell the user.
    QString Keep(const PronunciationEntry &entry, Scope scope = Scope::EveryText);
    QString Remove(const PronunciationEntry &entry, Scope scope = Scope::EveryText);
    QString Import(const QString &path);  // the entries of the file join the dictionary for every text
    QString Export(const QString &path) const;

    // The word with "+" before its vowel number vowel (from 0).
    static QString Marked(const QString &word, int vowel);
    static int VowelCount(const QString &word);

private:
    QString Write(Scope scope);
    void FollowShownBook();

    const TextArea &re1;
    PronunciationDictionary &dictionary;
    QString path;
    Book book;
    QString bookFile;  // whose entries bookDictionary holds
    PronunciationDictionary bookDictionary, combined;
    bool combinedStale = true;
};
