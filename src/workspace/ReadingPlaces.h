#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Where the reader stopped in a document: the selection and the speed reader's position, as
// character positions in its text.
struct ReadingPlace {
    int selStart = 0;
    int selLength = 0;
    int speedReaderPosition = 0;

    bool operator==(const ReadingPlace &) const = default;
};

// The places of the documents opened from files, one for each document, known by its full path
// and a hash of its text, so that an edited or another file at the same path starts at the top.
// A document may also keep the pronunciation entries for it alone (the text of a dictionary),
// found by the path whatever its text, so that they outlive an edit. At most Capacity documents
// are kept, the one left longest ago dropped first, one with entries only after every one without
// them. The store is a file
// of its own, read at the first need and written whole and atomically at each change; a file that
// cannot be read or makes no sense counts as empty and is replaced at the next change.
class ReadingPlaces {
public:
    static constexpr int Capacity = 300;

    explicit ReadingPlaces(QString path);

    std::optional<ReadingPlace> Find(const QString &documentPath, const QByteArray &textHash) const;
    // The document last left with this text, if any.
    std::optional<QString> DocumentWithText(const QByteArray &textHash) const;
    // Returns whether the store was written.
    bool Remember(const QString &documentPath, const QByteArray &textHash, const ReadingPlace &place);

    QString Pronunciation(const QString &documentPath) const;  // empty when it has none
    // Returns whether the store was written; a document not known yet starts at the top.
    bool KeepPronunciation(const QString &documentPath, const QByteArray &textHash, const QString &entries);

    static QByteArray HashOf(const QString &text);

private:
    struct Entry {
        QString path;
        QByteArray hash;
        ReadingPlace place;
        QString pronunciation;
    };

    void Load() const;
    bool Keep(Entry entry);
    QByteArray Image() const;

    QString path;
    mutable bool loaded = false;
    mutable QList<Entry> entries;  // the one left longest ago first
};
