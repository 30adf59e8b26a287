#include "reading/ReadingAsPlayer.h"
#include "platform/Clock.h"
#include "platform/TextArea.h"
#include "reading/ReadingController.h"
#include <utility>

ReadingAsPlayer::ReadingAsPlayer(ReadingController &reading, const Clock &clock) : reading(reading), clock(clock)
{
    reading.OnPieceStarted = [this](int start, const QString &text) { PieceStarted(start, text); };
}

ReadingAsPlayer::~ReadingAsPlayer()
{
    reading.OnPieceStarted = nullptr;
}

// A piece that does not follow the last one is the first of a new reading, unless Previous
// asked for it, which left the pieces before it.
void ReadingAsPlayer::PieceStarted(int start, const QString &text)
{
    if (reading.ReadingTarget() != std::exchange(read, reading.ReadingTarget()) ||
        (!starts.empty() && start <= starts.back()))
        starts.clear();
    starts.push_back(start);
    piece = text;
    pieceBegan = clock.MonotonicMs();
    if (OnPieceStarted)
        OnPieceStarted();
}

ReadingAsPlayer::Status ReadingAsPlayer::PlaybackStatus() const
{
    if (!reading.ReadingActive())
        return Status::Stopped;
    return reading.ReadingPaused() ? Status::Paused : Status::Playing;
}

bool ReadingAsPlayer::CanPlay() const
{
    return reading.ReadingActive() || reading.TextAvailable();
}

bool ReadingAsPlayer::CanPause() const
{
    return reading.ReadingActive();
}

bool ReadingAsPlayer::CanGoNext() const
{
    return PlaybackStatus() == Status::Playing;
}

bool ReadingAsPlayer::CanGoPrevious() const
{
    return CanGoNext() && !starts.empty();
}

QString ReadingAsPlayer::SpokenPiece() const
{
    return reading.ReadingActive() ? piece.trimmed() : QString();
}

void ReadingAsPlayer::Play()
{
    if (!reading.ReadingActive()) {
        if (reading.TextAvailable())
            reading.BtStartSpeakingClick();
    } else if (reading.ReadingPaused()) {
        reading.BtResumeClick();
    }
}

void ReadingAsPlayer::Pause()
{
    if (PlaybackStatus() == Status::Playing)
        reading.BtPauseClick();
}

void ReadingAsPlayer::PlayPause()
{
    if (PlaybackStatus() == Status::Playing)
        Pause();
    else
        Play();
}

void ReadingAsPlayer::Stop()
{
    reading.StopWhateverReads();
}

void ReadingAsPlayer::Next()
{
    if (!CanGoNext())
        return;
    const TextArea &target = *reading.ReadingTarget();
    reading.ReadFrom(target.SelStart() + target.SelLength());
}

void ReadingAsPlayer::Previous()
{
    if (!CanGoPrevious())
        return;
    const bool justBegun = clock.MonotonicMs() - pieceBegan < JustBegunMs;
    if (justBegun && starts.size() > 1)
        starts.pop_back();
    const int start = starts.back();
    starts.pop_back();
    reading.ReadFrom(start);
}
