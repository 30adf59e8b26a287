#include "DataFiles.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList DataFolders(const QString &executableFolder, const QStringList &systemDataFolders)
{
    QStringList folders{executableFolder, QDir(executableFolder).filePath(QStringLiteral("../share/lektavo"))};
    for (const QString &folder : systemDataFolders)
        folders << QDir(folder).filePath(QStringLiteral("lektavo"));
    return folders;
}

QString FindDataFile(const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile())
            return QDir::cleanPath(file.absoluteFilePath());
    }
    return {};
}

QString DataFile(const QString &name)
{
    return FindDataFile(name, DataFolders(QCoreApplication::applicationDirPath(),
                                          QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)));
}
