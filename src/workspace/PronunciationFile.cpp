#include "workspace/PronunciationFile.h"
#include "settings/AtomicFile.h"
#include <QFile>
#include <QFileInfo>
#include <QStringList>

PronunciationDictionary PronunciationFile::Read(const QString &path, QList<int> *badLines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return PronunciationDictionary::Parse(QString::fromUtf8(file.readAll()), badLines);
}

bool PronunciationFile::Write(const QString &path, const PronunciationDictionary &dictionary, QString *reason)
{
    return WriteFileAtomically(path, dictionary.ToText().toUtf8(), reason);
}

QString PronunciationFile::BadLines(const QString &path, const QList<int> &lines)
{
    if (lines.isEmpty())
        return {};
    QStringList numbers;
    for (int line : lines)
        numbers << QString::number(line);
    return QString::fromUtf8(BadLinesMessage).arg(QFileInfo(path).fileName(), numbers.join(QStringLiteral(", ")));
}
