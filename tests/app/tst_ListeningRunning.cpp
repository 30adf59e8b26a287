#include "RunningProgram.h"
#include "testsupport/PrivateSessionBus.h"
#include "testsupport/TestTexts.h"
#include <QtEndian>
#include <memory>
#include <signal.h>

namespace {

// What playerctl says of the program's reading, or the failure it reports.
QString Playerctl(const QString &command)
{
    QProcess playerctl;
    playerctl.start("playerctl", {"--player=lektavo", command});
    playerctl.waitForFinished(10000);
    return QString::fromUtf8(playerctl.readAllStandardOutput() + playerctl.readAllStandardError()).trimmed();
}

int SelectionStartIn(const QByteArray &settings)
{
    constexpr int selStartOffset = 876;
    return settings.size() < selStartOffset + 4 ? -1 : qFromLittleEndian<qint32>(settings.constData() + selStartOffset);
}

} // namespace

// The program itself, killed as a crash or a power cut would end it, and controlled as the
// desktop's media controls do, over a session bus of the test's own.
class TestListeningRunning : public QObject {
    Q_OBJECT

private slots:
    void aKilledProgramKeepsTheTextOfHalfAMinuteBeforeAndThePlaceOfThePause()
    {
        PrivateSessionBus bus;
        QVERIFY(bus.Running());
        RunningProgram program;
        const QString firstPiece = QStringLiteral("Глава первая.");
        const QByteArray text = (firstPiece + QStringLiteral("\r\nТекст, который не пропадёт, и место в нём.")).toUtf8();
        const QString document = QDir(program.Folder()).filePath("book.txt");
        WriteAll(document, text);
        const QString lastEdit = QDir(program.Folder()).filePath("LastEdit");
        const QString settings = QDir(program.Folder()).filePath("Data.dat");

        std::unique_ptr<QProcess> running(program.Start({document}));
        QTRY_COMPARE_WITH_TIMEOUT(ReadAll(lastEdit), text, 45000);
        QVERIFY(!QFile::exists(settings));
        QCOMPARE(Playerctl("play"), QString());
        QTRY_COMPARE_WITH_TIMEOUT(Playerctl("status"), QStringLiteral("Playing"), 10000);
        QCOMPARE(Playerctl("pause"), QString());
        QTRY_VERIFY_WITH_TIMEOUT(SelectionStartIn(ReadAll(settings)) >= firstPiece.size(), 10000);

        const QByteArray place = ReadAll(settings);
        ::kill(pid_t(running->processId()), SIGKILL);
        QVERIFY(running->waitForFinished(5000));
        QCOMPARE(ReadAll(lastEdit), text);
        QCOMPARE(ReadAll(settings), place);
    }
};

QTEST_GUILESS_MAIN(TestListeningRunning)
#include "tst_ListeningRunning.moc"
