#include "ProgramFolder.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

static QString WithSlash(QString folder)
{
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

QString ChooseProgramFolder(const QString &executableFolder, const QString &userDataFolder)
{
    const QString canonical = QFileInfo(executableFolder).canonicalFilePath();
    const bool systemFolder = canonical == "/usr" || canonical.startsWith("/usr/");
    if (!canonical.isEmpty() && !systemFolder && QFileInfo(canonical).isWritable())
        return WithSlash(canonical);
    QDir().mkpath(userDataFolder);
    return WithSlash(userDataFolder);
}

QString ProgramFolder()
{
    return ChooseProgramFolder(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void WriteLocationValue(const QString &programFolder)
{
    QSettings settings(QStringLiteral("Lektavo"), QStringLiteral("Lektavo"));
    settings.setValue(QStringLiteral("Location"), programFolder);
}

QString FindDataFile(const QString &executableFolder, const QString &name)
{
    const QDir beside(executableFolder);
    const QString installed = beside.filePath(QStringLiteral("../share/lektavo/") + name);
    if (!beside.exists(name) && QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    return beside.filePath(name);
}

QString DataFile(const QString &name)
{
    return FindDataFile(QCoreApplication::applicationDirPath(), name);
}
