#include "RunningProgram.h"
#include "testsupport/TestTexts.h"
#include "settings/SettingsRecord.h"
#include "settings/WindowPlacement.h"
#include <QRandomGenerator>
#include <memory>
#include <signal.h>

// The running program under a real X server with a window manager: what it leaves in its folder
// when it is closed, terminated or cut short while saving, and how it reopens.
namespace {

const QString kCaption = "Lektavo 3.19";

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
}

// The main window once it is on the screen (the splash may carry the same title for a moment).
QString MainWindow(const QProcess &process)
{
    QString found;
    const auto find = [&] {
        for (const QString &window : RunningProgram::WindowsTitled(process, kCaption)) {
            if (Run("xwininfo", {"-id", window}).contains('"' + kCaption + '"'))
                found = window;
        }
        return !found.isEmpty();
    };
    [&] { QTRY_VERIFY_WITH_TIMEOUT(find(), 20000); }();
    return found;
}

QString WindowStates(const QString &window)
{
    return Run("xprop", {"-id", window, "_NET_WM_STATE"});
}

// The client area's position and size as xwininfo reports them.
QRect ClientGeometry(const QString &window)
{
    const QString info = Run("xwininfo", {"-id", window});
    auto number = [&](const QString &label) {
        const int at = info.indexOf(label);
        return at < 0 ? -1 : info.mid(at + label.size()).section('\n', 0, 0).trimmed().toInt();
    };
    return {number("Absolute upper-left X:"), number("Absolute upper-left Y:"), number("Width:"), number("Height:")};
}

// Clicks into the text area and sends keys there, as from the keyboard.
void TypeIntoText(const QString &window, const QStringList &xdotoolCommand)
{
    Run("xdotool", {"windowactivate", "--sync", window});
    Run("xdotool", {"mousemove", "--window", window, "250", "150", "click", "1"});
    Run("xdotool", xdotoolCommand);
}

// Alt+F4 through the window manager; repeated, since a window manager that has only just started
// may not have taken its keys yet.
void CloseAsTheUserWould(QProcess &process, const QString &window)
{
    for (int attempt = 0; attempt < 5 && process.state() != QProcess::NotRunning; ++attempt) {
        Run("xdotool", {"windowactivate", "--sync", window, "key", "--clearmodifiers", "alt+F4"});
        process.waitForFinished(4000);
    }
    QCOMPARE(process.state(), QProcess::NotRunning);
}

void EndWith(QProcess &process, int signal)
{
    ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(20000));
}

// A record as another writer may leave it: junk in the reserved bytes, a window at 200, 150.
SettingsRecord ForeignRecord(quint8 state = 0, quint8 border = 2)
{
    SettingsRecord record = DefaultSettings();
    QRandomGenerator random(7);
    for (auto field : {SettingsField::Reserved20, SettingsField::Reserved39, SettingsField::Reserved872}) {
        QByteArray junk(Row(field).size, Qt::Uninitialized);
        for (char &b : junk)
            b = char(random.bounded(1, 256));
        record.SetBlock(field, junk);
    }
    StorePlacement(record, {{200, 150, 700, 420}, WindowState::Normal, BorderStyle::Sizeable});
    record.SetByte(SettingsField::WindowState, state);
    record.SetByte(SettingsField::BorderStyle, border);
    record.SetOption(OptionField::CbAutoActive, 1);
    return record;
}

}  // namespace

class TestSettingsPersistence : public QObject {
    Q_OBJECT

private slots:
    void aFirstRunLeavesTheFirstRunSettingsAndTheText()
    {
        RunningProgram program;
        std::unique_ptr<QProcess> process(program.Start());
        const QString window = MainWindow(*process);
        QVERIFY(!window.isEmpty());
        TypeIntoText(window, {"type", "--delay", "150", "Hello"});
        CloseAsTheUserWould(*process, window);
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);

        const QByteArray saved = ReadAll(program.Folder() + "/Data.dat");
        QCOMPARE(saved.size(), 8180);
        const QByteArray designed = DefaultSettings().Bytes();
        QCOMPARE(saved.mid(18, 876 - 18), designed.mid(18, 876 - 18));
        QCOMPARE(saved.mid(884, 56), designed.mid(884, 56));
        const auto record = SettingsRecord::FromBytes(saved);
        QCOMPARE(record->Byte(SettingsField::WindowState), quint8(0));
        QCOMPARE(record->Byte(SettingsField::BorderStyle), quint8(2));
        QCOMPARE(record->Int(SettingsField::WindowWidth), 594);
        QCOMPARE(record->Int(SettingsField::WindowHeight), 346);
        QCOMPARE(record->Int(SettingsField::SelStart), 5);
        QCOMPARE(ReadAll(program.Folder() + "/LastEdit"), QByteArray("Hello"));
    }

    void endingSignalsSaveLikeAClose_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void endingSignalsSaveLikeAClose()
    {
        QFETCH(int, signal);
        RunningProgram program;
        const SettingsRecord foreign = ForeignRecord();
        WriteAll(program.Folder() + "/Data.dat", foreign.Bytes());
        WriteAll(program.Folder() + "/LastEdit", "\xCF\xF0\xE8\xE2\xE5\xF2.");  // Windows-1251
        std::unique_ptr<QProcess> process(program.Start());
        QVERIFY(!MainWindow(*process).isEmpty());
        EndWith(*process, signal);
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);

        QCOMPARE(ReadAll(program.Folder() + "/LastEdit"), QString("Привет.").toUtf8());
        const auto saved = SettingsRecord::FromBytes(ReadAll(program.Folder() + "/Data.dat"));
        QVERIFY(saved);
        for (auto field : {SettingsField::Reserved20, SettingsField::Reserved39, SettingsField::Reserved872})
            QCOMPARE(saved->Block(field), foreign.Block(field));
        QVERIFY(saved->Options().Flag(OptionField::CbAutoActive));
        QCOMPARE(saved->Int(SettingsField::WindowLeft), 200);
    }

    void readOnlyFilesAreMadeWritableAndSavedInto()
    {
        RunningProgram program;
        WriteAll(program.Folder() + "/Data.dat", ForeignRecord().Bytes());
        WriteAll(program.Folder() + "/LastEdit", "old text");
        for (const char *name : {"/Data.dat", "/LastEdit"})
            QFile::setPermissions(program.Folder() + name, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        std::unique_ptr<QProcess> process(program.Start());
        const QString window = MainWindow(*process);
        TypeIntoText(window, {"key", "--delay", "150", "ctrl+End", "exclam"});
        EndWith(*process, SIGTERM);
        for (const char *name : {"/Data.dat", "/LastEdit"})
            QVERIFY(QFile::permissions(program.Folder() + name) & QFile::WriteOwner);
        QCOMPARE(ReadAll(program.Folder() + "/LastEdit"), QByteArray("old text!"));
        QCOMPARE(SettingsRecord::FromBytes(ReadAll(program.Folder() + "/Data.dat"))->Int(SettingsField::SelStart), 9);
    }

    // The save at exit cut short by the file-size limit: the text is bigger than the limit in the
    // first case, only the settings file in the second.
    void anInterruptedSaveLeavesThePreviousFiles_data()
    {
        QTest::addColumn<int>("textSize");
        QTest::addColumn<bool>("textSaved");
        QTest::newRow("cut while saving the text") << 6000 << false;
        QTest::newRow("cut while saving the settings") << 100 << true;
    }
    void anInterruptedSaveLeavesThePreviousFiles()
    {
        QFETCH(int, textSize);
        QFETCH(bool, textSaved);
        RunningProgram program;
        const QByteArray settings = ForeignRecord().Bytes();
        const QByteArray text(textSize, 'a');
        WriteAll(program.Folder() + "/Data.dat", settings);
        WriteAll(program.Folder() + "/LastEdit", text);
        std::unique_ptr<QProcess> process(program.Start());
        const QString window = MainWindow(*process);
        TypeIntoText(window, {"key", "--delay", "150", "ctrl+End", "b"});
        Run("prlimit", {"--pid", QString::number(process->processId()), "--fsize=4096"});
        EndWith(*process, SIGTERM);
        QCOMPARE(process->exitStatus(), QProcess::CrashExit);

        QCOMPARE(ReadAll(program.Folder() + "/Data.dat"), settings);
        QCOMPARE(ReadAll(program.Folder() + "/LastEdit"), textSaved ? text + "b" : text);
        QStringList left = QDir(program.Folder()).entryList(QDir::Files);
        left.removeAll("lektavo");
        QCOMPARE(left, QStringList({"Data.dat", "LastEdit"}));
    }

    void aWindowReopensInTheModeItWasClosedIn_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("border");
        QTest::addColumn<QString>("shown");
        QTest::newRow("maximised") << 2 << 2 << "_NET_WM_STATE_MAXIMIZED_VERT";
        QTest::newRow("full screen") << 2 << 0 << "_NET_WM_STATE_FULLSCREEN";
    }
    void aWindowReopensInTheModeItWasClosedIn()
    {
        QFETCH(int, state);
        QFETCH(int, border);
        QFETCH(QString, shown);
        RunningProgram program;
        WriteAll(program.Folder() + "/Data.dat", ForeignRecord(quint8(state), quint8(border)).Bytes());
        std::unique_ptr<QProcess> process(program.Start());
        const QString window = MainWindow(*process);
        QTRY_VERIFY_WITH_TIMEOUT(WindowStates(window).contains(shown), 10000);
        EndWith(*process, SIGTERM);

        const auto saved = SettingsRecord::FromBytes(ReadAll(program.Folder() + "/Data.dat"));
        QCOMPARE(saved->Byte(SettingsField::WindowState), quint8(2));
        QCOMPARE(saved->Byte(SettingsField::BorderStyle), quint8(border));
        QCOMPARE(saved->Int(SettingsField::WindowLeft), 200);  // the bounds before stay
        QCOMPARE(saved->Int(SettingsField::WindowWidth), 700);
    }

    void aWindowAtTheLeftEdgeReopensAtItsDesignedPlace()
    {
        RunningProgram program;
        SettingsRecord record = ForeignRecord();
        record.SetInt(SettingsField::WindowLeft, 0);
        WriteAll(program.Folder() + "/Data.dat", record.Bytes());
        std::unique_ptr<QProcess> process(program.Start());
        const QString window = MainWindow(*process);
        QTRY_COMPARE_WITH_TIMEOUT(ClientGeometry(window).size(), QSize(594, 346), 10000);
        QVERIFY(!WindowStates(window).contains("_NET_WM_STATE_MAXIMIZED"));
        EndWith(*process, SIGTERM);
    }
};

QTEST_GUILESS_MAIN(TestSettingsPersistence)
#include "tst_SettingsPersistence.moc"
