// The speed reader's beat on the real event loop, the pace it keeps in words a minute, the cost of
// taking one group from a book, and how still the focus letter stands in the real display.
#include "../BenchSupport.h"
#include "app/GroupDisplay.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtTextMeasurer.h"
#include "platform/qt/QtTimer.h"
#include "speedreader/SpeedReaderController.h"
#include "speedreader/SpeedReaderView.h"
#include "testsupport/FixedWidthMeasurer.h"
#include "testsupport/MemoryTextArea.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// The program's clock; remembers the first reading taken after Mark(), which is the start of
// the reader's beat.
class BenchClock : public QtClock {
public:
    qint64 MonotonicMs() const override
    {
        const qint64 ms = QtClock::MonotonicMs();
        if (marked && !firstAfterMark)
            firstAfterMark = ms;
        return ms;
    }
    void Mark() { marked = true; }

    mutable std::optional<qint64> firstAfterMark;

private:
    bool marked = false;
};

class TimingView : public SpeedReaderView {
public:
    TimingView(const BenchClock &clock, int ticks) : clock(clock), ticks(ticks) {}
    void ShowGroup(const QString &) override
    {
        shownAt.push_back(clock.MonotonicNs());
        if (int(shownAt.size()) > ticks)
            QCoreApplication::quit();
    }
    void ShowRunning(bool) override {}
    void ShowStartEnabled(bool) override {}
    void ShowRates(const QString &, const QString &) override {}
    void ShowIndicators(bool) override {}
    void ShowClock(const QString &) override {}
    void ShowSettings(const SpeedReaderSettings &) override {}
    void ShowContext(const ReadingContext &) override {}
    void FocusTabControl() override {}
    int DisplayWidth() const override { return 100000; }
    bool SpeedReaderTabShown() const override { return true; }
    bool ApplicationActive() const override { return true; }

    std::vector<qint64> shownAt;

private:
    const BenchClock &clock;
    int ticks;
};

double Quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(q * double(values.size())))];
}

// Let the event loop settle (platform and fonts load on its first run) before timing it.
void WarmUp()
{
    QTimer::singleShot(300, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

void BenchBeat(int delay, int ticks)
{
    QStringList words;
    for (int i = 0; i <= ticks + 10; ++i)
        words << QStringLiteral("слово%1").arg(i);
    MemoryTextArea area(words.join(' '));
    FixedWidthMeasurer measurer;
    BenchClock clock;
    QtTimer timer1, counting, clockTimer;
    TimingView view(clock, ticks);
    SpeedReaderController reader(area, measurer, clock, timer1, counting, clockTimer, view);
    reader.SetDelay(delay);
    WarmUp();
    clock.Mark();
    reader.BtStartClick();
    QCoreApplication::exec();
    reader.AcStopReading();

    // Errors are taken against the beat the reader keeps; a tick a whole delay late (the machine
    // held the program up) starts a fresh beat, which is counted. The drift is against the first
    // beat: where the last tick came against where it was due when the reader started.
    const qint64 start = *clock.firstAfterMark;
    qint64 beat = start, sinceBeat = 0;
    int restarts = 0;
    std::vector<double> errors;
    for (int n = 1; n <= ticks; ++n) {
        const double actual = view.shownAt[n] / 1e6;
        const double due = double(beat + (sinceBeat + 1) * delay);
        errors.push_back(std::abs(actual - due));
        ++sinceBeat;
        if (actual - due >= delay) {
            beat = std::llround(actual);
            sinceBeat = 0;
            ++restarts;
        }
    }
    const double drift = view.shownAt[ticks] / 1e6 - double(start + qint64(ticks) * delay);
    std::printf("BENCH tick%d_median %.3f ms\n", delay, Quantile(errors, 0.5));
    std::printf("BENCH tick%d_p99 %.3f ms\n", delay, Quantile(errors, 0.99));
    std::printf("BENCH tick%d_drift %.3f ms\n", delay, drift);
    std::printf("BENCH tick%d_restarts %d count\n", delay, restarts);
    std::fflush(stdout);
}

void BenchNextWordGroup()
{
    const std::optional<QString> book = ReadBook();
    if (!book)
        return;
    MemoryTextArea area(*book);
    QLabel display;
    QFont font(QStringLiteral("DejaVu Serif"), 36);
    display.setFont(font);
    QtTextMeasurer measurer(&display);
    WordChunker chunker(area, measurer);
    const ChunkRules rules{20, 8, 1, 2, 1};
    chunker.MoveTo(area.LineCount() / 2);

    constexpr int Calls = 20000;
    std::vector<double> micros;
    QElapsedTimer timer;
    for (int i = 0; i < Calls; ++i) {
        timer.start();
        if (!chunker.NextWordGroup(rules, 600))
            chunker.Rewind();
        micros.push_back(timer.nsecsElapsed() / 1e3);
    }
    std::printf("BENCH next_word_group %.2f us\n", Quantile(micros, 0.5));
    std::printf("BENCH next_word_group_p99 %.2f us\n", Quantile(micros, 0.99));
    std::fflush(stdout);
}

// The words a minute shown over one minute of real ticks, against the pace set.
void BenchWordsPerMinute()
{
    constexpr int Set = 300;
    constexpr int OneMinute = 60000;
    QStringList words;
    for (int i = 0; i < 2 * Set; ++i)
        words << QStringLiteral("слово%1").arg(i);
    MemoryTextArea area(words.join(' '));
    FixedWidthMeasurer measurer;
    BenchClock clock;
    QtTimer timer1, counting, clockTimer;
    TimingView view(clock, INT_MAX);
    SpeedReaderController reader(area, measurer, clock, timer1, counting, clockTimer, view);
    reader.UdWordsPerMinuteClick(Set);
    WarmUp();
    reader.BtStartClick();
    QTimer::singleShot(OneMinute, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    reader.AcStopReading();

    const double minutes = double(view.shownAt.back() - view.shownAt.front()) / 6e10;
    const double measured = double(view.shownAt.size() - 1) / minutes;
    std::printf("BENCH wpm_measured %.2f wpm\n", measured);
    std::printf("BENCH wpm_error %.3f %%\n", std::abs(measured - Set) * 100.0 / Set);
    std::fflush(stdout);
}

// The centre of the focus letter as the display drew it, over 2000 one-word groups of the book;
// groups the display had to shift to fit are counted apart.
void BenchFocusPoint()
{
    const std::optional<QString> book = ReadBook();
    if (!book)
        return;
    MemoryTextArea area(*book);
    GroupDisplay display;
    display.setFont(QFont(QStringLiteral("DejaVu Serif"), 36));
    display.resize(900, 300);
    display.SetFocusPoint(true);
    QtTextMeasurer measurer(&display);
    WordChunker chunker(area, measurer);
    chunker.MoveTo(area.LineCount() / 3);

    double lowest = 1e9, highest = -1e9;
    int shifted = 0;
    for (int i = 0; i < 2000; ++i) {
        if (!chunker.NextWordGroup(ChunkRules(), display.contentsRect().width())) {
            chunker.Rewind();
            continue;
        }
        display.SetGroup(chunker.CurrentGroup());
        display.grab();
        const FocusLayout &drawn = display.DrawnLayout();
        if (drawn.shifted) {
            ++shifted;
            continue;
        }
        lowest = std::min(lowest, drawn.LetterCentre());
        highest = std::max(highest, drawn.LetterCentre());
    }
    std::printf("BENCH orp_x_spread %.1f px\n", highest - lowest);
    std::printf("BENCH orp_shifted %d count\n", shifted);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    UseOffscreenUnlessTold();
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(QByteArray(argv[1]).toInt(), 1) : 1000;  // 1000 unless told
    BenchNextWordGroup();
    BenchFocusPoint();
    BenchWordsPerMinute();
    BenchBeat(50, ticks);
    BenchBeat(200, std::max(ticks / 4, 1));  // a quarter as many: 1000 of them took over three minutes
    return 0;
}
