#include "RunningProgram.h"
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The running program's menus as a screen-reader user reaches them: through AT-SPI every item of
// the main menu has its caption as its name, and F10 opens the first menu from the keyboard.
namespace {

QString Run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

// A session bus of its own, ended with the test.
struct SessionBus {
    SessionBus()
    {
        QProcess launch;
        launch.start("dbus-launch", {"--sh-syntax"});
        launch.waitForFinished(10000);
        const QString output = QString::fromUtf8(launch.readAllStandardOutput());
        address = QRegularExpression("DBUS_SESSION_BUS_ADDRESS='([^']*)'").match(output).captured(1);
        pid = QRegularExpression("DBUS_SESSION_BUS_PID=(\\d+)").match(output).captured(1).toLongLong();
    }
    ~SessionBus()
    {
        if (pid > 0)
            ::kill(pid_t(pid), SIGTERM);
    }
    QString address;
    qint64 pid = 0;
};

} // namespace

class TestMenusRunning : public QObject {
    Q_OBJECT
private slots:
    void everyMenuItemIsNamedForAScreenReaderAndF10OpensTheMenu()
    {
        SessionBus bus;
        QVERIFY(!bus.address.isEmpty());
        RunningProgram program;
        QProcessEnvironment environment = program.Environment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address);
        environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        environment.insert("SPEECHD_ADDRESS", "unix_socket:/nonexistent/lektavo-speechd.sock");
        const QString tree = QStringLiteral(LEKTAVO_TESTS "/menu_tree.py");
        Run(tree, {"0"}, environment);  // the accessibility bus is up before the program looks for it
        QProcess lektavo;
        lektavo.setProcessEnvironment(environment);
        lektavo.setWorkingDirectory(program.Folder());
        lektavo.start(program.Binary());
        QVERIFY(lektavo.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(RunningProgram::WindowsTitled(lektavo, "Lektavo 3.19").size(), 1, 15000);

        const QString pid = QString::number(lektavo.processId());
        QString items;
        QTRY_VERIFY2_WITH_TIMEOUT((items = Run(tree, {pid}, environment)).contains("Файл\t"), qPrintable(items), 15000);
        for (const char *line : {"Файл\tЗагрузить из файла...", "Файл\tЗавершить работу", "Вид\tПолный экран",
                                 "Вид\tТекст по центру", "Правка\tРазбить на предложения", "Правка\tНайти",
                                 "?\tПомощь", "?\tО программе"})
            QVERIFY2(items.contains(QString::fromUtf8(line)), line);
        QVERIFY(!items.contains("showing\t"));

        const QString window = RunningProgram::WindowsTitled(lektavo, "Lektavo 3.19").first();
        Run("xdotool", {"windowactivate", "--sync", window}, environment);
        Run("xdotool", {"key", "--window", window, "F10"}, environment);
        QTRY_VERIFY_WITH_TIMEOUT(Run(tree, {pid}, environment).contains("showing\tФайл"), 10000);

        lektavo.terminate();
        QVERIFY(lektavo.waitForFinished(15000));
    }
};

QTEST_GUILESS_MAIN(TestMenusRunning)
#include "tst_MenusRunning.moc"
