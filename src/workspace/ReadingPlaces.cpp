#include "workspace/ReadingPlaces.h"
#include "settings/AtomicFile.h"
#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <limits>

namespace {

constexpr qint64 LargestStore = 64 * 1024 * 1024;  // far beyond Capacity entries and their dictionaries: not a store

std::optional<int> Position(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble() || value.toDouble() < 0 || value.toDouble() > std::numeric_limits<int>::max()
        || value.toDouble() != double(value.toInt()))
        return std::nullopt;
    return value.toInt();
}

} // namespace

ReadingPlaces::ReadingPlaces(QString path) : path(std::move(path))
{
}

QByteArray ReadingPlaces::HashOf(const QString &text)
{
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex();
}

// Any entry that makes no sense discards the whole store.
void ReadingPlaces::Load() const
{
    if (std::exchange(loaded, true))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestStore)
        return;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    QList<Entry> read;
    for (const QJsonValue &value : document.object().value(QLatin1String("places")).toArray()) {
        const QJsonObject object = value.toObject();
        const QString documentPath = object.value(QLatin1String("path")).toString();
        const QByteArray hash = object.value(QLatin1String("hash")).toString().toLatin1();
        const auto selStart = Position(object, "selStart");
        const auto selLength = Position(object, "selLength");
        const auto speedReader = Position(object, "speedReader");
        const QJsonValue pronunciation = object.value(QLatin1String("pronunciation"));
        if (documentPath.isEmpty() || hash.isEmpty() || !selStart || !selLength || !speedReader
            || !(pronunciation.isUndefined() || pronunciation.isString()))
            return;
        read.append({documentPath, hash, {*selStart, *selLength, *speedReader}, pronunciation.toString()});
    }
    entries = read.mid(std::max<qsizetype>(0, read.size() - Capacity));
}

std::optional<ReadingPlace> ReadingPlaces::Find(const QString &documentPath, const QByteArray &textHash) const
{
    Load();
    for (const Entry &entry : entries)
        if (entry.path == documentPath && entry.hash == textHash)
            return entry.place;
    return std::nullopt;
}

std::optional<QString> ReadingPlaces::DocumentWithText(const QByteArray &textHash) const
{
    Load();
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry)
        if (entry->hash == textHash)
            return entry->path;
    return std::nullopt;
}

bool ReadingPlaces::Remember(const QString &documentPath, const QByteArray &textHash, const ReadingPlace &place)
{
    return Keep({documentPath, textHash, place, Pronunciation(documentPath)});
}

QString ReadingPlaces::Pronunciation(const QString &documentPath) const
{
    Load();
    for (const Entry &entry : entries)
        if (entry.path == documentPath)
            return entry.pronunciation;
    return {};
}

bool ReadingPlaces::KeepPronunciation(const QString &documentPath, const QByteArray &textHash,
                                      const QString &pronunciation)
{
    Load();
    const auto known = std::find_if(entries.cbegin(), entries.cend(),
                                    [&](const Entry &entry) { return entry.path == documentPath; });
    if (known == entries.cend())
        return Keep({documentPath, textHash, {}, pronunciation});
    return Keep({documentPath, known->hash, known->place, pronunciation});
}

bool ReadingPlaces::Keep(Entry kept)
{
    Load();
    entries.removeIf([&](const Entry &entry) { return entry.path == kept.path; });
    entries.append(std::move(kept));
    while (entries.size() > Capacity) {
        const auto plain = std::find_if(entries.cbegin(), entries.cend(),
                                        [](const Entry &entry) { return entry.pronunciation.isEmpty(); });
        entries.erase(plain == entries.cend() ? entries.cbegin() : plain);
    }
    return WriteFileAtomically(path, Image());
}

QByteArray ReadingPlaces::Image() const
{
    QJsonArray places;
    for (const Entry &entry : entries) {
        QJsonObject place{{"path", entry.path},
                          {"hash", QString::fromLatin1(entry.hash)},
                          {"selStart", entry.place.selStart},
                          {"selLength", entry.place.selLength},
                          {"speedReader", entry.place.speedReaderPosition}};
        if (!entry.pronunciation.isEmpty())
            place.insert("pronunciation", entry.pronunciation);
        places.append(place);
    }
    return QJsonDocument(QJsonObject{{"places", places}}).toJson(QJsonDocument::Compact);
}
