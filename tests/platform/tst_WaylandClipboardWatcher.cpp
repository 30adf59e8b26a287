#include "platform/qt/WaylandClipboardWatcher.h"
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// A headless Sway, a compositor that offers the data-control protocol. Sway refuses to run as
// root, so under root it runs as nobody in a runtime folder of its own.
class HeadlessCompositor {
public:
    bool Start()
    {
        QStringList command{"env", "HOME=" + runtime.path(), "XDG_RUNTIME_DIR=" + runtime.path(),
                            "WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1",
                            "WLR_RENDERER=pixman", "sway", "-c", "/dev/null"};
        if (geteuid() == 0) {
            if (chown(QFile::encodeName(runtime.path()).constData(), 65534, 65534) != 0)
                return false;
            command = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups"} + command;
            process.start("setpriv", command);
        } else {
            process.start(command.takeFirst(), command);
        }
        process.waitForStarted();
        for (int i = 0; i < 100 && process.state() == QProcess::Running; ++i) {
            const QStringList sockets = QDir(runtime.path()).entryList({"wayland-?"}, QDir::System);
            if (!sockets.isEmpty()) {
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
                qputenv("WAYLAND_DISPLAY", QFile::encodeName(sockets.first()));
                return true;
            }
            QTest::qWait(50);
        }
        qWarning() << "the compositor did not start:" << process.readAllStandardError().right(2000);
        return false;
    }

    ~HeadlessCompositor()
    {
        process.terminate();
        if (!process.waitForFinished(2000))
            process.kill();
        process.waitForFinished();
    }

private:
    QTemporaryDir runtime;
    QProcess process;
};

// wl-copy from another process: it serves the clipboard in the background until replaced.
void Copy(const QByteArray &data, const QString &type = {})
{
    QProcess copy;
    QStringList arguments;
    if (!type.isEmpty())
        arguments << "--type" << type;
    copy.start("wl-copy", arguments);
    copy.write(data);
    copy.closeWriteChannel();
    copy.waitForFinished();
}

} // namespace

class TestWaylandClipboardWatcher : public QObject {
    Q_OBJECT

    std::unique_ptr<HeadlessCompositor> compositor;

private slots:
    void initTestCase()
    {
        for (const char *tool : {"sway", "wl-paste", "wl-copy", "setpriv"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QString("%1 is not installed (scripts/deps test)").arg(tool)));
        compositor = std::make_unique<HeadlessCompositor>();
        QVERIFY(compositor->Start());
    }

    void cleanupTestCase() { compositor.reset(); }

    void startsWithTheTextAlreadyInTheClipboard()
    {
        Copy("Уже здесь");
        WaylandClipboardWatcher watcher;
        QVERIFY(watcher.Start());
        QCOMPARE(watcher.Text(), "Уже здесь");
    }

    void followsWhatOtherProgramsCopy()
    {
        WaylandClipboardWatcher watcher;
        QVERIFY(watcher.Start());
        QSignalSpy changed(&watcher, &WaylandClipboardWatcher::Changed);
        Copy("Hello from elsewhere\nline two\n");
        QTRY_COMPARE(watcher.Text(), "Hello from elsewhere\nline two\n");
        Copy("Привет");
        QTRY_COMPARE(watcher.Text(), "Привет");
        QVERIFY(changed.count() >= 2);
        Copy("\x89PNG\r\n", "image/png");
        QTRY_COMPARE(watcher.Text(), QString());
        QVERIFY(watcher.Running());
    }

    void failsWithoutACompositorToWatch()
    {
        const QByteArray display = qgetenv("WAYLAND_DISPLAY");
        qputenv("WAYLAND_DISPLAY", "wayland-none");
        WaylandClipboardWatcher watcher;
        const bool started = watcher.Start();
        qputenv("WAYLAND_DISPLAY", display);
        QVERIFY(!started);
        QVERIFY(!watcher.Running());
    }
};

QTEST_GUILESS_MAIN(TestWaylandClipboardWatcher)
#include "tst_WaylandClipboardWatcher.moc"
