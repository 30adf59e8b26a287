#include "LibreOfficeConverter.h"
#include "DocumentLimits.h"
#include "OdtConverter.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <mutex>
#include <signal.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

constexpr int kPollMs = 50;
constexpr int kStartMs = 10'000;
constexpr auto kLockPoll = 100ms;

// One conversion at a time in the whole program: two on one profile make one fail silently.
std::timed_mutex oneConversion;

enum class Ending { Finished, NotStarted, TimedOut, Cancelled };

// soffice hands the work to a process of its own; killing the whole group ends both.
void KillGroup(QProcess &process)
{
    const qint64 group = process.processId();
    if (group > 0)
        ::kill(pid_t(-group), SIGKILL);
    process.waitForFinished(kStartMs);
}

Ending Run(QProcess &process, std::chrono::milliseconds timeOut, const std::stop_token &stop)
{
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(kStartMs))
        return Ending::NotStarted;
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(kPollMs)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (stop.stop_requested()) {
            KillGroup(process);
            return Ending::Cancelled;
        }
        if (std::chrono::milliseconds(clock.elapsed()) > timeOut) {
            KillGroup(process);
            return Ending::TimedOut;
        }
    }
    return Ending::Finished;
}

class RemovedAtEnd {
public:
    explicit RemovedAtEnd(QString path)
        : path(std::move(path))
    {
        QFile::remove(this->path);
    }
    ~RemovedAtEnd() { QFile::remove(path); }
    RemovedAtEnd(const RemovedAtEnd &) = delete;
    RemovedAtEnd &operator=(const RemovedAtEnd &) = delete;

private:
    QString path;
};

std::optional<QString> ReadConversionFile(const QString &path, const std::stop_token &stop)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxDocumentBytes)
        return std::nullopt;
    return OdtToText(file.readAll(), stop);
}


}  // namespace

LibreOfficeSetup InstalledLibreOffice(const QString &programFolder)
{
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        cache = QDir::tempPath();
    LibreOfficeSetup setup;
    setup.program = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    setup.profileFolder = cache + QStringLiteral("/libreoffice-profile");
    setup.workFolder = cache;
    setup.conversionFile = programFolder + QStringLiteral("TempFile.txt");
    return setup;
}

LibreOfficeConverter::LibreOfficeConverter(LibreOfficeSetup setup)
    : setup(std::move(setup))
{
}

ConvertedDocument LibreOfficeConverter::Convert(const QString &path, const std::stop_token &stop) const
{
    if (setup.program.isEmpty())
        return ConvertedDocument::Failure(QString::fromUtf8(MissingMessage));
    std::unique_lock lock(oneConversion, std::defer_lock);
    while (!lock.try_lock_for(kLockPoll)) {
        if (stop.stop_requested())
            return ConvertedDocument::Cancelled();
    }
    return ConvertAlone(path, stop);
}

ConvertedDocument LibreOfficeConverter::ConvertAlone(const QString &path, const std::stop_token &stop) const
{
    QDir().mkpath(setup.workFolder);
    const QTemporaryDir output(setup.workFolder + QStringLiteral("/conversion-XXXXXX"));
    if (!output.isValid())
        return ConvertedDocument::OpenFailed();
    const RemovedAtEnd conversionFile(setup.conversionFile);
    QProcess soffice;
    soffice.setProgram(setup.program);
    soffice.setArguments({QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(setup.profileFolder).toString(QUrl::FullyEncoded),
                          QStringLiteral("--headless"), QStringLiteral("--norestore"),
                          QStringLiteral("--convert-to"), QStringLiteral("odt"),
                          QStringLiteral("--outdir"), output.path(), QFileInfo(path).absoluteFilePath()});
    switch (Run(soffice, setup.timeOut, stop)) {
    case Ending::NotStarted:
        return ConvertedDocument::Failure(QString::fromUtf8(MissingMessage));
    case Ending::Cancelled:
        return ConvertedDocument::Cancelled();
    case Ending::TimedOut:
        return ConvertedDocument::OpenFailed();
    case Ending::Finished:
        break;
    }
    const QFileInfoList written = QDir(output.path()).entryInfoList(QDir::Files);
    if (written.isEmpty() || !QFile::rename(written.first().filePath(), setup.conversionFile))
        return ConvertedDocument::OpenFailed();
    const auto text = ReadConversionFile(setup.conversionFile, stop);
    if (stop.stop_requested())
        return ConvertedDocument::Cancelled();
    return text ? ConvertedDocument::Text(*text) : ConvertedDocument::OpenFailed();
}
