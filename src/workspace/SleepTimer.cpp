#include "workspace/SleepTimer.h"
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "reading/ReadingController.h"
#include "workspace/AudioExport.h"
#include <algorithm>
#include <utility>

SleepTimer::SleepTimer(ReadingController &reading, Timer &timer, const Clock &clock, Effects effects)
    : reading(reading), timer(timer), clock(clock), effects(std::move(effects))
{
    timer.SetEnabled(false);
    timer.SetSingleShot(false);
    timer.SetInterval(StepMs);
    timer.OnTimer = [this] { Tick(); };
}

SleepTimer::~SleepTimer()
{
    timer.OnTimer = nullptr;
}

int SleepTimer::MinutesOf(Choice choice)
{
    switch (choice) {
    case Minutes15: return 15;
    case Minutes30: return 30;
    case Minutes45: return 45;
    case Minutes60: return 60;
    case Off:
    case EndOfChapter: break;
    }
    return 0;
}

bool SleepTimer::Playing() const
{
    return reading.ReadingActive() && !reading.ReadingPaused();
}

void SleepTimer::Choose(Choice chosen)
{
    choice = chosen;
    Stop();
    if (playing)
        Start();
}

std::optional<int> SleepTimer::MinutesLeft() const
{
    if (!deadline)
        return std::nullopt;
    return int((std::max<qint64>(*deadline - clock.MonotonicMs(), 0) + 59999) / 60000);
}

void SleepTimer::ReadingChanged()
{
    if (Playing() == playing)
        return;
    playing = !playing;
    if (playing)
        Start();
    else
        Stop();
}

void SleepTimer::PieceStarted(const QString &piece)
{
    if (choice == EndOfChapter && playing && piecesHeard++ > 0 && IsChapterHeading(piece)) {
        chapterEnded = true;
        timer.SetInterval(0);
        timer.SetEnabled(true);
    }
}

void SleepTimer::Start()
{
    piecesHeard = 0;
    if (const int minutes = MinutesOf(choice)) {
        deadline = clock.MonotonicMs() + minutes * 60000LL;
        timer.SetInterval(StepMs);
        timer.SetEnabled(true);
    }
    Tick();
}

void SleepTimer::Stop()
{
    timer.SetEnabled(false);
    if (deadline && *deadline - clock.MonotonicMs() < FadeMs)
        effects.setVolume(1.0);
    deadline.reset();
    chapterEnded = false;
    Tick();
}

// Each step of the count: the minutes shown, the voice's volume in the fade, and the pause at the
// end, after which the voice has its own volume again.
void SleepTimer::Tick()
{
    if (std::exchange(chapterEnded, false) || (deadline && clock.MonotonicMs() >= *deadline)) {
        reading.BtPauseClick();
        return;
    }
    if (deadline) {
        const qint64 left = *deadline - clock.MonotonicMs();
        if (left < FadeMs)
            effects.setVolume(double(left) / FadeMs);
    }
    if (MinutesLeft() != minutesShown) {
        minutesShown = MinutesLeft();
        effects.minutesLeftChanged();
    }
}
