// The time from process start to the main window shown. The program measures itself as a child
// process: the parent notes the monotonic clock before starting it, the child prints the monotonic
// clock when its main window is first painted, and quits.
#include "app/Application.h"
#include "platform/speech/SpeechSystem.h"
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

static double MonotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

static int RunChild(int argc, char *argv[], const QString &folder)
{
    LektavoApplication app(argc, argv);
    SpeechSystem speech;
    StartupEnvironment environment = DefaultStartupEnvironment({}, speech);
    environment.socketPath = folder + "/socket";
    environment.programFolder = [folder] { return folder + '/'; };
    environment.mainWindowShown = [](QWidget *) {
        std::printf("%.3f\n", MonotonicMs());
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    };
    return StartLektavo(environment);
}

static double OneStart(const QString &self)
{
    QTemporaryDir folder;
    QProcess child;
    const double started = MonotonicMs();
    child.start(self, {"--child", folder.path()});
    if (!child.waitForFinished(20000))
        return -1;
    bool ok = false;
    const double shown = QString::fromLatin1(child.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? shown - started : -1;
}

int main(int argc, char *argv[])
{
    if (argc == 3 && QString(argv[1]) == "--child")
        return RunChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        const double ms = OneStart(QCoreApplication::applicationFilePath());
        if (ms >= 0)
            times.push_back(ms);
    }
    if (times.empty()) {
        std::fprintf(stderr, "startup: the program never showed its window\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("BENCH startup %.1f ms\n", times[times.size() / 2]);
    return 0;
}
