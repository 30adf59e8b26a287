// The time of one reading step (select the next piece, colour it, keep it in view) in the 3 MB
// novel on a shown text area of a usual window size: the median over many steps at the start, in
// the middle and near the end of the text.
#include "../BenchSupport.h"
#include "platform/qt/QtTextArea.h"
#include "reading/SentenceStepper.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int WarmUpSteps = 20;
constexpr int MeasuredSteps = 400;
constexpr int RoomAtTheEnd = 80'000;  // characters for the steps measured near the end

double MedianStepMs(QtTextArea &area, SentenceStepper &stepper, int position, bool &ended)
{
    area.SetSelStart(position);
    QCoreApplication::processEvents();
    std::vector<double> times;
    for (int step = 0; step < WarmUpSteps + MeasuredSteps && !ended; ++step) {
        QElapsedTimer timer;
        timer.start();
        stepper.NextSentence(area);
        stepper.HighlightSentence(area);
        stepper.ScrollToHighlight(area);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (step >= WarmUpSteps)
            times.push_back(ms);
        QCoreApplication::processEvents();  // paint, as the event loop does between pieces
    }
    const int top = area.FirstVisibleLine();
    const int pieceLine = area.LineFromChar(stepper.HighlightStart);
    if (pieceLine < top || pieceLine >= top + stepper.VisibleLineCount) {
        std::fprintf(stderr, "stepping: the piece on line %d is out of the view at %d\n", pieceLine, top);
        return -1;
    }
    std::sort(times.begin(), times.end());
    return times.empty() ? -1 : times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    UseOffscreenUnlessTold();
    QApplication app(argc, argv);
    const std::optional<QString> book = ReadBook();
    if (!book)
        return 1;
    QPlainTextEdit edit;
    edit.resize(900, 650);
    edit.show();
    QtTextArea area(&edit);
    area.SetText(*book);
    QCoreApplication::processEvents();

    SentenceStepper stepper;
    bool ended = false;
    stepper.AcStopBoth = [&ended] { ended = true; };
    stepper.VisibleLineCount = edit.viewport()->height() / edit.fontMetrics().lineSpacing();

    const struct {
        const char *name;
        int position;
    } places[] = {
        {"step_start", 0},
        {"step_middle", area.TextLength() / 2},
        {"step_end", area.TextLength() - RoomAtTheEnd},
    };
    for (const auto &place : places) {
        const double ms = MedianStepMs(area, stepper, place.position, ended);
        if (ended || ms < 0) {
            std::fprintf(stderr, "stepping: no figure for %s\n", place.name);
            return 1;
        }
        std::printf("BENCH %s %.3f ms\n", place.name, ms);
    }
    return 0;
}
