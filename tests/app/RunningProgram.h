#pragma once
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <pthread.h>

// The program copied alone into a fresh folder, or an installed one where it lies, started in
// that folder with a private runtime, config and data folder, so that tests running side by side
// never meet.
class RunningProgram {
public:
    RunningProgram() : binary(root.filePath("program/lektavo"))
    {
        MakeFolders();
        QFile::copy(LEKTAVO_BINARY, binary);
    }
    explicit RunningProgram(QString installedBinary) : binary(std::move(installedBinary)) { MakeFolders(); }

    QString Folder() const { return root.filePath("program"); }
    QString Binary() const { return binary; }
    QString SocketPath() const { return root.filePath("runtime/lektavo.socket"); }
    QString DataFolder() const { return root.filePath("data"); }
    QString ConfigFolder() const { return root.filePath("config"); }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", root.filePath("runtime"));
        environment.insert("XDG_CONFIG_HOME", ConfigFolder());
        environment.insert("XDG_DATA_HOME", DataFolder());
        environment.remove("QT_QPA_PLATFORM");
        return environment;
    }

    // Starts one process of the program; the caller owns it.
    QProcess *Start(const QStringList &arguments = {})
    {
        auto *process = new QProcess;
        process->setChildProcessModifier(RestoreDefaultSignals);
        process->setProcessEnvironment(Environment());
        process->setWorkingDirectory(Folder());
        process->start(Binary(), arguments);
        process->waitForStarted();
        return process;
    }

    // Visible windows of a process whose title is the given one.
    static QStringList WindowsTitled(const QProcess &process, const QString &title)
    {
        QProcess search;
        search.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(process.processId()),
                                 "--name", "^" + title + "$"});
        search.waitForFinished();
        return QString::fromLatin1(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

private:
    void MakeFolders()
    {
        QDir(root.path()).mkpath("program");
        QDir(root.path()).mkpath("runtime");
        QFile::setPermissions(root.filePath("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                            QFileDevice::ExeOwner);
    }

    // As from a shell: QProcess ignores SIGPIPE in the test and the test support blocks it, and a
    // child would inherit both.
    static void RestoreDefaultSignals()
    {
        std::signal(SIGPIPE, SIG_DFL);
        sigset_t none;
        sigemptyset(&none);
        pthread_sigmask(SIG_SETMASK, &none, nullptr);
    }

    QTemporaryDir root;
    QString binary;
};
