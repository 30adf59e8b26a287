#pragma once
#include <QString>
#include <QStringList>

// The folders that may hold a file the program reads and never writes ("Help.html"), in the order
// they are searched: the executable's own folder (a build folder, a portable copy), share/lektavo
// of the tree the executable is installed in (wherever that tree lies), then lektavo/ in each of
// the system's data folders.
QStringList DataFolders(const QString &executableFolder, const QStringList &systemDataFolders);

// The path of the first file of that name in the folders; empty when none holds it.
QString FindDataFile(const QString &name, const QStringList &folders);

// FindDataFile over the folders of this process.
QString DataFile(const QString &name);
