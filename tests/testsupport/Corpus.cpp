#include "Corpus.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Corpus {

namespace {
QString Folder()
{
    return QDir::cleanPath(QStringLiteral(LEKTAVO_CORPUS));
}
}

QString Path(const QString &name)
{
    return Folder() + '/' + name;
}

QString Missing(const QString &name)
{
    if (!QFileInfo(Folder()).isDir())
        return QStringLiteral("test documents not found at %1: put the shared corpus beside the clone")
            .arg(Folder());
    if (!QFileInfo(Path(name)).isFile())
        return QStringLiteral("test document %1 not found in %2: the shared corpus beside the clone lacks it")
            .arg(name, Folder());
    return {};
}

QByteArray Bytes(const QString &name)
{
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}
