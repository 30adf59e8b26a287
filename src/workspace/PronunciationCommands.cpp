#include "workspace/PronunciationCommands.h"
#include "platform/TextArea.h"
#include "workspace/PronunciationFile.h"
#include <algorithm>

namespace {

constexpr int WordReach = 60;  // characters either side of the caret looked at

bool IsVowel(QChar c)
{
    return QStringLiteral("аеёиоуыэюя").contains(c.toLower());
}

} // namespace

PronunciationCommands::PronunciationCommands(const TextArea &re1, PronunciationDictionary &dictionary, QString path,
                                             Book book)
    : re1(re1), dictionary(dictionary), path(std::move(path)), book(std::move(book))
{
}

QString PronunciationCommands::WordAtCaret() const
{
    const QString selected = re1.SelText().trimmed();
    if (!selected.isEmpty()) {
        const auto words = WordsOf(selected);
        return words.size() == 1 ? selected.mid(words[0].first, words[0].second) : QString();
    }
    const int caret = re1.SelStart();
    const int from = std::max(0, caret - WordReach);
    const QString around = re1.TextRange(from, caret - from + WordReach);
    for (const auto &[start, length] : WordsOf(around)) {
        if (from + start <= caret && caret <= from + start + length)
            return around.mid(start, length);
    }
    return {};
}

PronunciationCommands::ScopedEntry PronunciationCommands::EntryFor(const QString &word)
{
    if (const PronunciationEntry *entry = BookDictionary().Find(word))
        return {*entry, Scope::Book};
    if (const PronunciationEntry *entry = dictionary.Find(word))
        return {*entry, Scope::EveryText};
    return {{word, false, word}, Scope::EveryText};
}

bool PronunciationCommands::BookShown() const
{
    return book.shown && !book.shown().isEmpty();
}

const PronunciationDictionary &PronunciationCommands::BookDictionary()
{
    FollowShownBook();
    return bookDictionary;
}

const PronunciationDictionary &PronunciationCommands::InForce()
{
    FollowShownBook();
    if (bookDictionary.IsEmpty())
        return dictionary;
    if (std::exchange(combinedStale, false))
        combined = PronunciationDictionary::Combined(bookDictionary, dictionary);
    return combined;
}

// Asked before every piece: a look at which file is shown, the book's entries read when it changed.
void PronunciationCommands::FollowShownBook()
{
    const QString shown = book.shown ? book.shown() : QString();
    if (shown == bookFile)
        return;
    bookFile = shown;
    bookDictionary = shown.isEmpty() ? PronunciationDictionary() : PronunciationDictionary::Parse(book.entries());
    combinedStale = true;
}

QString PronunciationCommands::Keep(const PronunciationEntry &entry, Scope scope)
{
    FollowShownBook();
    if (scope == Scope::Book && bookFile.isEmpty())
        return QString::fromUtf8(BookNotWrittenMessage);
    PronunciationDictionary &kept = scope == Scope::Book ? bookDictionary : dictionary;
    if (!kept.Set(entry))
        return QStringLiteral("Непонятная запись: «%1=%2»").arg(entry.key, entry.reading);
    return Write(scope);
}

QString PronunciationCommands::Remove(const PronunciationEntry &entry, Scope scope)
{
    FollowShownBook();
    (scope == Scope::Book ? bookDictionary : dictionary).Remove(entry.key, entry.forms);
    return Write(scope);
}

QString PronunciationCommands::Import(const QString &file)
{
    QList<int> badLines;
    const PronunciationDictionary imported = PronunciationFile::Read(file, &badLines);
    for (const PronunciationEntry &entry : imported.Entries())
        dictionary.Set(entry);
    const QString written = Write(Scope::EveryText);
    return written.isEmpty() ? PronunciationFile::BadLines(file, badLines) : written;
}

QString PronunciationCommands::Export(const QString &file) const
{
    QString reason;
    if (PronunciationFile::Write(file, dictionary, &reason))
        return {};
    return QString::fromUtf8(NotWrittenMessage).arg(file, reason);
}

QString PronunciationCommands::Write(Scope scope)
{
    combinedStale = true;
    if (scope == Scope::EveryText)
        return Export(path);
    return book.keep(bookDictionary.ToText()) ? QString() : QString::fromUtf8(BookNotWrittenMessage);
}

QString PronunciationCommands::Marked(const QString &word, int vowel)
{
    QString marked = word;
    marked.remove(u'+');
    int seen = 0;
    for (qsizetype i = 0; i < marked.size(); ++i) {
        if (IsVowel(marked[i]) && seen++ == vowel) {
            marked.insert(i, u'+');
            break;
        }
    }
    return marked;
}

int PronunciationCommands::VowelCount(const QString &word)
{
    return int(std::count_if(word.begin(), word.end(), IsVowel));
}
