// Opening the 3 MB book in the main window as a user does, by dropping it on the window: from the
// drop to the window painted with the book in the text area, and the process's peak memory.
//   open_txt_3mb: median of several opens, each replacing the text of the one before.
//   open_peak_rss: the process's peak resident set once the book has been opened.
#include "WindowOpen.h"
#include "testsupport/ScriptedVoices.h"
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int Rounds = 5;
const QString Book = QStringLiteral(LEKTAVO_BENCH_BOOK);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
    window.resize(900, 700);
    window.show();
    QCoreApplication::processEvents();

    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        const double ms = Open(window, Book);
        if (ms < 0) {
            std::fprintf(stderr, "the book did not open\n");
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("BENCH open_txt_3mb %.1f ms\n", times[times.size() / 2]);
    std::printf("BENCH open_peak_rss %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
