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

PronunciationCommands::PronunciationCommands(const TextArea &re1, PronunciationDictionary &dictionary, QString path)
    : re1(re1), dictionary(dictionary), path(std::move(path))
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

PronunciationEntry PronunciationCommands::EntryFor(const QString &word) const
{
    if (const PronunciationEntry *entry = dictionary.Find(word))
        return *entry;
    return {word, false, word};
}

QString PronunciationCommands::Keep(const PronunciationEntry &entry)
{
    if (!dictionary.Set(entry))
        return QStringLiteral("Непонятная запись: «%1=%2»").arg(entry.key, entry.reading);
    return Write();
}

QString PronunciationCommands::Remove(const PronunciationEntry &entry)
{
    dictionary.Remove(entry.key, entry.forms);
    return Write();
}

QString PronunciationCommands::Import(const QString &file)
{
    QList<int> badLines;
    const PronunciationDictionary imported = PronunciationFile::Read(file, &badLines);
    for (const PronunciationEntry &entry : imported.Entries())
        dictionary.Set(entry);
    const QString written = Write();
    return written.isEmpty() ? PronunciationFile::BadLines(file, badLines) : written;
}

QString PronunciationCommands::Export(const QString &file) const
{
    QString reason;
    if (PronunciationFile::Write(file, dictionary, &reason))
        return {};
    return QString::fromUtf8(NotWrittenMessage).arg(file, reason);
}

QString PronunciationCommands::Write()
{
    return Export(path);
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
