// mpris_play_pause_latency: the program itself on a session bus of the run's own, a short book
// open; from a PlayPause call of the media controls, as playerctl makes it, to the program's
// announcement that the reading plays or is paused. The median of 20 presses.
#include "app/RunningProgram.h"
#include "testsupport/PrivateSessionBus.h"
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

class Announcements : public QObject {
    Q_OBJECT
public:
    int statuses = 0;

public slots:
    void PropertiesChanged(const QString &, const QVariantMap &changed, const QStringList &)
    {
        if (changed.contains("PlaybackStatus"))
            ++statuses;
    }
};

namespace {

bool WaitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    return done();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    PrivateSessionBus bus;
    RunningProgram program;
    const QString book = QDir(program.Folder()).filePath("book.txt");
    QFile file(book);
    if (!bus.Running() || !file.open(QIODevice::WriteOnly))
        return 1;
    file.write(QString(QStringLiteral("Это предложение читается вслух, пока его ставят на паузу. ")).repeated(50).toUtf8());
    file.close();
    std::unique_ptr<QProcess> running(program.Start({book}));

    QDBusConnection session = QDBusConnection::sessionBus();
    Announcements announced;
    session.connect("org.mpris.MediaPlayer2.lektavo", "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties",
                    "PropertiesChanged", &announced, SLOT(PropertiesChanged(QString, QVariantMap, QStringList)));
    const QDBusMessage playPause = QDBusMessage::createMethodCall(
        "org.mpris.MediaPlayer2.lektavo", "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Player", "PlayPause");
    if (!WaitFor([&] { return session.interface()->isServiceRegistered("org.mpris.MediaPlayer2.lektavo"); }, 20000)) {
        std::fprintf(stderr, "the program did not join the session bus\n");
        return 1;
    }
    WaitFor([] { return false; }, 2000);  // the book is in place

    std::vector<double> latencies;
    for (int press = 0; press < 20; ++press) {
        const int before = announced.statuses;
        QElapsedTimer latency;
        latency.start();
        session.asyncCall(playPause);
        if (WaitFor([&] { return announced.statuses > before; }, 5000))
            latencies.push_back(double(latency.nsecsElapsed()) / 1e6);
        WaitFor([] { return false; }, 300);
    }
    running->kill();
    running->waitForFinished(5000);
    std::sort(latencies.begin(), latencies.end());
    if (latencies.empty())
        return 1;
    std::printf("BENCH mpris_play_pause_latency %.1f ms\n", latencies[latencies.size() / 2]);
    return 0;
}

#include "bench_mpris.moc"
