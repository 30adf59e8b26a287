#pragma once
#include <QHash>
#include <QList>
#include <QString>

// How words are to be read, one entry a line of UTF-8 text, "#" starting a comment:
//   пот+ом            the stress: "+" before the stressed vowel
//   всё               the "ё" the text leaves out (the word is found as "все" too)
//   ЮНЕСКО=юнэско     a respelling, "+" allowed in it
//   Пушкин*=П+ушкин   a key ending in "*" covers every word that begins with it; the rest of the
//                     word follows the reading as written
// Words are found whole and in any case, "ё" being taken as "е".
struct PronunciationEntry {
    QString key;      // as written, without the "*"
    bool forms = false;
    QString reading;  // as written, the key itself for a line without "="
    bool operator==(const PronunciationEntry &) const = default;
};

class PronunciationDictionary {
public:
    // Reads the text's entries; the numbers (from 1) of the lines that make no sense go to
    // badLines, and the rest is kept.
    static PronunciationDictionary Parse(const QString &text, QList<int> *badLines = nullptr);
    QString ToText() const;  // one entry a line, as Parse reads it

    // Puts the entry in place of one with the same key, or adds it; false for an entry that
    // makes no sense.
    bool Set(const PronunciationEntry &entry);
    void Remove(const QString &key, bool forms);
    const QList<PronunciationEntry> &Entries() const { return entries; }
    bool IsEmpty() const { return entries.isEmpty(); }

    // This book's entries over those for every text: the book's wins for the same key.
    static PronunciationDictionary Combined(const PronunciationDictionary &book,
                                            const PronunciationDictionary &everyText);

    // The entry for a word of the text: its own key before the longest key that covers its forms.
    const PronunciationEntry *Find(QStringView word) const;

    static QString Folded(QStringView word);  // lower case, "ё" as "е"
    static bool MakesSense(const PronunciationEntry &entry);

private:
    void Index();
    void NoteForm(const QString &key);
    static quint64 LengthBit(qsizetype length);

    QList<PronunciationEntry> entries;
    QHash<QString, qsizetype> whole, forms;  // folded key -> entry
    int longestForm = 0;
    quint64 formLengths = 0;  // bit n: a forms key of n letters (63: of 63 or more)
};

// A word as a voice is to read it.
struct SpokenWord {
    QString text;              // the word with "ё" and "+" put in, or the respelling
    bool respelled = false;
    int stressedVowel = -1;    // which vowel of text (from 0) carries the stress, -1 for none given
    QString Plain() const;     // text without the "+"
};

// What a voice makes of a pronounced word: a module that reads "+" before a stressed vowel gets
// the marks; any other voice the word with its "ё", or the respelling, without them.
enum class PronunciationStyle { Plain, StressMarks };
PronunciationStyle StyleOfModule(const QString &module);
QString WordForVoice(const SpokenWord &word, PronunciationStyle style);

// The reading of a word by its entry: the word's own letters and case with the entry's "ё" and
// stress, or the respelling followed by what a forms key leaves of the word.
SpokenWord Pronounce(QStringView word, const PronunciationEntry &entry);

// A piece as a voice is to hear it, and where its words stand in the piece.
struct SpokenPiece {
    struct Change {
        int spokenStart, spokenLength;  // in text
        int start, length;              // of the word in the piece
    };
    QString text;
    QList<Change> changes;
    // A span of text (a word the voice reports) as the span of the piece it reads.
    std::pair<int, int> PieceSpan(int position, int length) const;
};

// Every word of the piece that has an entry, as the voice reads it: wordText makes the voice's
// form of a pronounced word (with "+" marks, without, or in the voice's own phonemes).
template <typename WordText>
SpokenPiece ApplyPronunciation(const QString &piece, const PronunciationDictionary &dictionary, WordText wordText);

// The words of a piece: letters, and a hyphen or apostrophe between two of them.
QList<std::pair<int, int>> WordsOf(QStringView text);

template <typename WordText>
SpokenPiece ApplyPronunciation(const QString &piece, const PronunciationDictionary &dictionary, WordText wordText)
{
    SpokenPiece spoken;
    if (dictionary.IsEmpty()) {
        spoken.text = piece;
        return spoken;
    }
    spoken.text.reserve(piece.size() + piece.size() / 8);
    int copied = 0;
    for (const auto &[start, length] : WordsOf(piece)) {
        const QStringView word = QStringView(piece).sliced(start, length);
        const PronunciationEntry *entry = dictionary.Find(word);
        if (!entry)
            continue;
        spoken.text += QStringView(piece).sliced(copied, start - copied);
        const QString said = wordText(Pronounce(word, *entry));
        spoken.changes.append({int(spoken.text.size()), int(said.size()), start, length});
        spoken.text += said;
        copied = start + length;
    }
    spoken.text += QStringView(piece).sliced(copied);
    return spoken;
}
