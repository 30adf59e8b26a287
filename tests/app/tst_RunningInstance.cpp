#include "RunningProgram.h"
#include "testsupport/SilentSpeechService.h"
#include <QLocalSocket>
#include <memory>
#include <signal.h>

class TestRunningInstance : public QObject {
    Q_OBJECT

    static bool Listening(const QString &socketPath)
    {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        return socket.waitForConnected(200);
    }

    // Whether a process ignores ("SigIgn:") or catches ("SigCgt:") a signal, as its status in
    // /proc tells.
    static bool Signals(const QProcess &process, const QByteArray &disposition, int signal)
    {
        QFile status(QString("/proc/%1/status").arg(process.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith(disposition))
                return line.mid(disposition.size()).trimmed().toULongLong(nullptr, 16)
                       & (quint64(1) << (signal - 1));
        return false;
    }

private slots:
    void aSecondStartEndsAtOnceAndOpensNoWindow()
    {
        RunningProgram program;
        std::unique_ptr<QProcess> first(program.Start());
        QTRY_VERIFY_WITH_TIMEOUT(Listening(program.SocketPath()), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(RunningProgram::WindowsTitled(*first, "Lektavo 3.19").size(), 1, 10000);
        const QStringList filesBefore = QDir(program.Folder()).entryList(QDir::Files);

        std::unique_ptr<QProcess> second(program.Start());
        QVERIFY(second->waitForFinished(5000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);

        QCOMPARE(RunningProgram::WindowsTitled(*first, "Lektavo 3.19").size(), 1);
        QCOMPARE(QDir(program.Folder()).entryList(QDir::Files), filesBefore);
        QCOMPARE(first->state(), QProcess::Running);
        first->terminate();
        QVERIFY(first->waitForFinished(10000));
    }

    void aWriteToAServiceThatWentAwayDoesNotEndTheProgram()
    {
        RunningProgram program;
        std::unique_ptr<QProcess> running(program.Start());
        QTRY_VERIFY_WITH_TIMEOUT(Listening(program.SocketPath()), 10000);
        QVERIFY(Signals(*running, "SigIgn:", SIGPIPE));
        running->terminate();
        QVERIFY(running->waitForFinished(10000));
    }

    void aSpeechServiceThatHangsHoldsUpNeitherTheStartNorTheExit()
    {
        SilentSpeechService service;
        QVERIFY(service.Listening());
        RunningProgram program;
        std::unique_ptr<QProcess> running(program.Start());
        QTRY_COMPARE_WITH_TIMEOUT(RunningProgram::WindowsTitled(*running, "Lektavo 3.19").size(), 1, 10000);
        // The window can be on the screen before it takes SIGTERM as a request to quit.
        QTRY_VERIFY_WITH_TIMEOUT(Signals(*running, "SigCgt:", SIGTERM), 10000);
        running->terminate();
        QVERIFY(running->waitForFinished(10000));
        QCOMPARE(running->exitStatus(), QProcess::NormalExit);
    }

    void aCrashedInstanceDoesNotBlockTheNextStart()
    {
        RunningProgram program;
        std::unique_ptr<QProcess> crashed(program.Start());
        QTRY_VERIFY_WITH_TIMEOUT(Listening(program.SocketPath()), 10000);
        ::kill(pid_t(crashed->processId()), SIGKILL);
        QVERIFY(crashed->waitForFinished(5000));
        QVERIFY(QFile::exists(program.SocketPath()));

        std::unique_ptr<QProcess> next(program.Start());
        QTRY_COMPARE_WITH_TIMEOUT(RunningProgram::WindowsTitled(*next, "Lektavo 3.19").size(), 1, 10000);
        QCOMPARE(next->state(), QProcess::Running);
        next->terminate();
        QVERIFY(next->waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestRunningInstance)
#include "tst_RunningInstance.moc"
