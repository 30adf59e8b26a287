#include "RunningProgram.h"
#include "app/Application.h"
#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "platform/system/SingleInstance.h"
#include "testsupport/Named.h"
#include "testsupport/ScriptedVoices.h"
#include "testsupport/TestTexts.h"
#include <QCheckBox>
#include <QTimer>

// Later starts while one Lektavo runs: the running one is started here in this process with the
// program's own start-up, the later ones are the program itself.
namespace {

const QString LastText = QStringLiteral("Мой текст.");
const QString DocumentText = QStringLiteral("Второй запуск принёс этот текст.");

// The start-up of a first instance listening on the program's socket, its folder a fresh one.
struct FirstInstance {
    explicit FirstInstance(const RunningProgram &program)
    {
        environment.socketPath = program.SocketPath();
        environment.programFolder = [this] { return folder.path() + '/'; };
        environment.speechAvailable = [] { return true; };
        environment.voiceEngines = [] { return ScriptedVoices().Take(); };
    }

    // Runs the start-up and its event loop; once the main window is on the screen, the scenario
    // runs with it and the event loop ends.
    int Run(const std::function<void(TLektavo &)> &scenario)
    {
        environment.mainWindowShown = [scenario](QWidget *shown) {
            QTimer::singleShot(0, shown, [scenario, shown] {
                scenario(*static_cast<TLektavo *>(shown));
                QApplication::quit();
            });
        };
        return StartLektavo(environment);
    }

    QTemporaryDir folder;
    StartupEnvironment environment;
};

void EndsAtOnceWithZero(QProcess &later)
{
    QVERIFY(later.waitForFinished(10000));
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);
}

} // namespace

class TestDocumentHandOver : public QObject {
    Q_OBJECT
private slots:
    // The document is named as a file manager names it, relative to the later start's folder,
    // with spaces and Cyrillic letters.
    void aLaterStartHandsItsDocumentOverAndOneWithoutChangesNothing()
    {
        RunningProgram program;
        WriteAll(program.Folder() + "/Новый документ.txt", DocumentText.toUtf8());
        FirstInstance first(program);
        const int exitCode = first.Run([&program](TLektavo &window) {
            window.Text().SetText(LastText);
            Named<QCheckBox>(window, "CbAutoActive")->setChecked(true);
            window.showMinimized();
            QTRY_VERIFY(window.isMinimized());
            std::unique_ptr<QProcess> plain(program.Start());
            EndsAtOnceWithZero(*plain);
            // A sibling's "activate" sent after it brings the window up: the plain start's
            // command has been carried out by then.
            QVERIFY(SingleInstance(program.SocketPath()).SendToRunning("activate"));
            QTRY_VERIFY(!window.isMinimized());
            QCOMPARE(window.Text().Text(), LastText);

            window.showMinimized();
            QTRY_VERIFY(window.isMinimized());
            std::unique_ptr<QProcess> withDocument(program.Start({"Новый документ.txt"}));
            EndsAtOnceWithZero(*withDocument);
            QTRY_COMPARE(window.Text().Text(), DocumentText);
            QTRY_VERIFY(!window.isMinimized());
        });
        QCOMPARE(exitCode, 0);
    }

    // A document handed over while the splash is up waits for the main window.
    void aDocumentHandedOverBeforeTheWindowIsMadeOpensInIt()
    {
        RunningProgram program;
        const QString document = program.Folder() + "/early.txt";
        WriteAll(document, DocumentText.toUtf8());
        FirstInstance first(program);
        first.environment.speechAvailable = [&program, document] {
            const bool sent = SingleInstance(program.SocketPath()).SendToRunning(SingleInstance::OpenCommand(document));
            QTest::qWait(300);
            return sent;
        };
        QCOMPARE(first.Run([](TLektavo &window) { QTRY_COMPARE(window.Text().Text(), DocumentText); }), 0);
    }
};

int main(int argc, char *argv[])
{
    LektavoApplication app(argc, argv);
    TestDocumentHandOver test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DocumentHandOver.moc"
