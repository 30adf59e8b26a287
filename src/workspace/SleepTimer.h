#pragma once
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

class Clock;
class ReadingController;
class Timer;

// "Таймер сна": a reading aloud that pauses by itself, for falling asleep to it. With minutes
// chosen, they count from each start or resumption of the reading; in the last FadeMs the voice
// fades out, then the reading pauses as "Пауза" does, so that "Продолжить" goes on from there at
// full volume. With "До конца главы" the reading pauses as the next chapter's heading comes up.
class SleepTimer {
public:
    // The menu's items, in its order.
    enum Choice { Off, Minutes15, Minutes30, Minutes45, Minutes60, EndOfChapter };
    static constexpr int ChoiceCount = EndOfChapter + 1;
    static constexpr int FadeMs = 10000;
    static constexpr int StepMs = 250;

    struct Effects {
        std::function<void(double volume)> setVolume;  // 1 is the voices' own volume, 0 silence
        std::function<void()> minutesLeftChanged;
    };

    SleepTimer(ReadingController &reading, Timer &timer, const Clock &clock, Effects effects);
    ~SleepTimer();
    SleepTimer(const SleepTimer &) = delete;
    SleepTimer &operator=(const SleepTimer &) = delete;

    void Choose(Choice choice);  // while reading, counts from now
    Choice Chosen() const { return choice; }
    std::optional<int> MinutesLeft() const;  // rounded up, while minutes count

    void ReadingChanged();                   // after every change of the reading state
    void PieceStarted(const QString &piece);  // as each piece goes to a voice

private:
    static int MinutesOf(Choice choice);
    bool Playing() const;
    void Start();
    void Stop();
    void Tick();

    ReadingController &reading;
    Timer &timer;
    const Clock &clock;
    Effects effects;
    Choice choice = Off;
    bool playing = false;
    std::optional<qint64> deadline;  // while minutes count
    int piecesHeard = 0;             // since the reading started or went on
    bool chapterEnded = false;       // the pause comes with the timer's next tick
    std::optional<int> minutesShown;
};
