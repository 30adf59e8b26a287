#include "ProgramFolder.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

static QString WithSlash(QString folder)
{
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

// The system's folders, and the bin/ of an installed tree wherever it lies (a prefix in the home
// folder, a package unpacked elsewhere): bin/ beside share/.
static bool IsSystemFolder(const QString &canonical)
{
    if (canonical == "/usr" || canonical.startsWith("/usr/"))
        return true;
    const QDir folder(canonical);
    return folder.dirName() == "bin" && QFileInfo(folder.filePath("../share")).isDir();
}

QString ChooseProgramFolder(const QString &executableFolder, const QString &userDataFolder)
{
    const QString canonical = QFileInfo(executableFolder).canonicalFilePath();
    if (!canonical.isEmpty() && !IsSystemFolder(canonical) && QFileInfo(canonical).isWritable())
        return WithSlash(canonical);
    QDir().mkpath(userDataFolder);
    return WithSlash(userDataFolder);
}

QString ProgramFolder()
{
    return ChooseProgramFolder(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
