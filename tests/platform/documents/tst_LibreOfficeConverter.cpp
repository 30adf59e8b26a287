// The LibreOffice conversion around a stand-in for soffice that behaves as each document's name
// asks, and with the real LibreOffice beside a running one of the user's.
#include "platform/documents/LibreOfficeConverter.h"
#include "DocumentSamples.h"
#include "testsupport/TestDocuments.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <signal.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Logs "start" and "end" with its arguments, then: "slow…" waits in a child process of its own
// until killed, "pause…" takes a second, "silent…" writes nothing (soffice's exit code is 0 even
// then), anything else writes the document "converted.odt" beside it under the input's name, as
// soffice would.
const char *const kStandIn = R"(#!/bin/sh
here=$(dirname "$0")
for argument in "$@"; do
  [ "$previous" = "--outdir" ] && outdir="$argument"
  previous="$argument"
done
name=$(basename "$previous")
echo "start $*" >> "$here/log"
case "$name" in
  slow*) sleep 300 & echo $! > "$here/child"; wait ;;
  pause*) sleep 1 ;;
  silent*) ;;
  *) cp "$here/converted.odt" "$outdir/${name%.*}.odt" ;;
esac
echo "end" >> "$here/log"
)";

bool IsGone(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");  // gone or a zombie
}

}  // namespace

class TestLibreOfficeConverter : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    LibreOfficeSetup setup;

    QString Path(const QString &name) const { return folder.filePath(name); }

    QStringList Log() const
    {
        QFile log(Path(QStringLiteral("log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts) : QStringList();
    }

    qint64 StandInChild() const
    {
        QFile child(Path(QStringLiteral("child")));
        return child.open(QIODevice::ReadOnly) ? child.readAll().trimmed().toLongLong() : 0;
    }

private slots:
    void initTestCase()
    {
        QFile standIn(Path(QStringLiteral("soffice")));
        QVERIFY(standIn.open(QIODevice::WriteOnly));
        standIn.write(kStandIn);
        standIn.close();
        QVERIFY(standIn.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile converted(Path(QStringLiteral("converted.odt")));
        QVERIFY(converted.open(QIODevice::WriteOnly));
        converted.write(DocumentSamples::Odt("<text:h text:outline-level=\"1\">Глава</text:h><text:p>Лиза<text:note text:note-class=\"footnote\">"
                                             "<text:note-citation>1</text:note-citation><text:note-body><text:p>Имя.</text:p>"
                                             "</text:note-body></text:note> пришла.</text:p>"));
        setup.program = standIn.fileName();
        setup.profileFolder = Path(QStringLiteral("profile"));
        setup.workFolder = Path(QStringLiteral("work"));
        setup.conversionFile = Path(QStringLiteral("TempFile.txt"));
        setup.timeOut = 2s;
    }

    void init()
    {
        QFile::remove(Path(QStringLiteral("log")));
    }

    void convertsToOpenDocumentThroughTheConversionFileWithItsOwnProfile()
    {
        const ConvertedDocument document = LibreOfficeConverter(setup).Convert(Path(QStringLiteral("Повесть.doc")), {});
        QVERIFY2(document.IsConverted(), qPrintable(document.message));
        QCOMPARE(document.text, QStringLiteral("Глава\nЛиза[1] пришла.\n\n[1] Имя."));
        const QStringList log = Log();
        QCOMPARE(log.size(), 2);
        QVERIFY(log[0].startsWith(QStringLiteral("start -env:UserInstallation=") + QUrl::fromLocalFile(setup.profileFolder).toString()
                                  + QStringLiteral(" --headless ")));
        QVERIFY(log[0].contains(QStringLiteral(" --convert-to odt --outdir ") + setup.workFolder + u'/'));
        QVERIFY(!QFile::exists(setup.conversionFile));
        QCOMPARE(QDir(setup.workFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void nothingWrittenIsAFailureThatLeavesNoConversionFile()
    {
        QFile stale(setup.conversionFile);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("from an earlier run");
        stale.close();
        const ConvertedDocument document = LibreOfficeConverter(setup).Convert(Path(QStringLiteral("silent.doc")), {});
        QCOMPARE(document.outcome, ConvertedDocument::Outcome::Failed);
        QCOMPARE(document.message, QString::fromUtf8(kOpenFailedMessage));
        QVERIFY(!QFile::exists(setup.conversionFile));
    }

    void theTimeOutKillsAllItsProcesses()
    {
        const ConvertedDocument document = LibreOfficeConverter(setup).Convert(Path(QStringLiteral("slow.doc")), {});
        QCOMPARE(document.outcome, ConvertedDocument::Outcome::Failed);
        QCOMPARE(document.message, QString::fromUtf8(kOpenFailedMessage));
        QVERIFY(StandInChild() > 0);
        QTRY_VERIFY(IsGone(StandInChild()));
        QCOMPARE(Log().size(), 1);
    }

    void cancellingKillsAllItsProcesses()
    {
        std::stop_source stop;
        std::jthread canceller([&stop] {
            std::this_thread::sleep_for(300ms);
            stop.request_stop();
        });
        const ConvertedDocument document = LibreOfficeConverter(setup).Convert(Path(QStringLiteral("slow.doc")), stop.get_token());
        QCOMPARE(document.outcome, ConvertedDocument::Outcome::Cancelled);
        QTRY_VERIFY(IsGone(StandInChild()));
    }

    void oneConversionAtATime()
    {
        const LibreOfficeConverter converter(setup);
        std::jthread other([&converter, this] { converter.Convert(Path(QStringLiteral("pause-one.doc")), {}); });
        converter.Convert(Path(QStringLiteral("pause-two.doc")), {});
        other.join();
        const QStringList log = Log();
        QCOMPARE(log.size(), 4);
        QVERIFY(log[0].startsWith(QStringLiteral("start")) && log[1] == u"end");
        QVERIFY(log[2].startsWith(QStringLiteral("start")) && log[3] == u"end");
    }

    void missingLibreOfficeSaysWhatToInstall_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("not found") << QString();
        QTest::newRow("gone since") << Path(QStringLiteral("no-such-soffice"));
    }
    void missingLibreOfficeSaysWhatToInstall()
    {
        QFETCH(QString, program);
        LibreOfficeSetup missing = setup;
        missing.program = program;
        const ConvertedDocument document = LibreOfficeConverter(missing).Convert(Path(QStringLiteral("a.doc")), {});
        QCOMPARE(document.outcome, ConvertedDocument::Outcome::Failed);
        QVERIFY(document.message.contains(QStringLiteral("libreoffice-writer-nogui")));
    }

    // A conversion handed to a running LibreOffice would make it exit.
    void aRunningLibreOfficeOfTheUsersStaysOpen()
    {
        QStandardPaths::setTestModeEnabled(true);
        const LibreOfficeSetup installed = InstalledLibreOffice(folder.path() + u'/');
        QVERIFY(!installed.program.isEmpty());
        const QString pipe = QStringLiteral("lektavo-test-%1").arg(QCoreApplication::applicationPid());
        QProcess users;
        users.setChildProcessModifier([] { ::setpgid(0, 0); });
        users.start(installed.program, {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(Path(QStringLiteral("users"))).toString(),
                                        QStringLiteral("--headless"), QStringLiteral("--accept=pipe,name=%1;urp;").arg(pipe)});
        const QString pipeFile = QDir::tempPath() + QStringLiteral("/OSL_PIPE_%1_%2").arg(getuid()).arg(pipe);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pipeFile), 60'000);
        const ConvertedDocument document =
            LibreOfficeConverter(installed).Convert(TestDocuments::Path(QStringLiteral("ru_story.doc")), {});
        QVERIFY2(document.IsConverted(), qPrintable(document.message));
        const bool stillRunning = !users.waitForFinished(1000);
        ::kill(pid_t(-users.processId()), SIGKILL);  // soffice and the process it started
        users.waitForFinished();
        QFile::remove(pipeFile);
        QVERIFY(stillRunning);
    }
};

QTEST_GUILESS_MAIN(TestLibreOfficeConverter)
#include "tst_LibreOfficeConverter.moc"
