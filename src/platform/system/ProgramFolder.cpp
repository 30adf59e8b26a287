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

static QSettings LocationSettings()
{
    return QSettings(QStringLiteral("Lektavo"), QStringLiteral("Lektavo"));
}

void WriteLocationValue(const QString &programFolder)
{
    LocationSettings().setValue(QStringLiteral("Location"), programFolder);
}

bool ReadSwitch(const QString &name)
{
    return LocationSettings().value(name, false).toBool();
}

void WriteSwitch(const QString &name, bool on)
{
    LocationSettings().setValue(name, on);
}
