#include "TestDocuments.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TestDocuments {

QString Folder()
{
    return QDir::cleanPath(QStringLiteral(LEKTAVO_TEST_DOCUMENTS));
}

QString Path(const QString &name)
{
    return Folder() + '/' + name;
}

QByteArray Bytes(const QString &name)
{
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ExtraFolder()
{
    QString folder = qEnvironmentVariable("LEKTAVO_CORPUS");
    if (folder.isEmpty())
        folder = QStringLiteral(LEKTAVO_CORPUS);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? QDir::cleanPath(folder) : QString();
}

}
