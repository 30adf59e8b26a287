#pragma once
#include "speedreader/ReadingContext.h"
#include "speedreader/SpeedReaderSettings.h"
#include "speedreader/WordChunker.h"
#include <QStringList>
#include <QtGlobal>
#include <optional>

class Clock;
class SpeedReaderView;
class TextArea;
class TextMeasurer;
class Timer;

// Runs the speed reader: start and stop, the tick that flashes one group after another, pauses,
// the replay of the last groups, the reading-speed indicator, the "Прочитано" position, the clock
// and the keys. Ticks keep to a fixed beat: tick n falls due at the start plus n delays, whatever
// the earlier ticks cost, and the beat starts afresh when the reader starts, the delay changes or
// the event loop was held up for a whole tick. Three switches, off unless set: a smooth start
// (the first groups after a start stay longer), and while stopped the sentence around the group
// shown last, with ← and → stepping one group back or on.
class SpeedReaderController {
public:
    static constexpr int CountingPeriod = 5000;
    static constexpr int ClockPeriod = 1000;

    SpeedReaderController(TextArea &area, const TextMeasurer &measurer, const Clock &clock,
                          Timer &timer1, Timer &tmCounting, Timer &tmClock, SpeedReaderView &view);
    ~SpeedReaderController();
    SpeedReaderController(const SpeedReaderController &) = delete;
    SpeedReaderController &operator=(const SpeedReaderController &) = delete;

    void BtStartClick();     // also the action AcButtonStart
    void BtStopClick();
    void AcStopReading();
    void AcFullStop();       // stop and go back to the start of the text
    void AcStopCounting();   // restart the speed measurement
    void AcTimerExecute();   // one tick
    void AcDelay();          // fit the delay to its scale and give the tick its period

    void TmCountingTimer();
    void TmClockTimer();
    void PnClockDblClick();
    void Indicators1Click();
    // A key previewed by the window; true when the speed reader acted on it.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

    void UdDelayClick(int value);
    void UdWordsPerMinuteClick(int wordsPerMinute);  // the delay of one word at that pace
    void UdLengthClick(int value);
    void UdWrittenClick(int value);
    void PnSRDblClick();     // also the double-click of LbWords and LbSymbols
    void PnDelayDblClick();
    void PnLengthDblClick();
    void PnWrittenDblClick();
    void Pn22DblClick();
    void Pn33DblClick();
    void Pn44DblClick();
    void Pn55DblClick();
    void Pn66DblClick();

    // A word of the context shown while stopped: the reader goes there and shows the group that
    // begins with it.
    void ContextWordClicked(int index);
    void StepBack();     // the group before, as the history remembers it
    void StepForward();  // the next group

    // The hand-over of the reading position on a tab switch: entering the speed reader reads on
    // from the start of the text area's selection; leaving it selects the group shown last.
    void TakePositionFromTextArea();
    void GivePositionToTextArea();
    // The text position of the group shown last, as the lines of the text area count now; and the
    // move that reads on from a text position.
    int ReadPosition() const;
    void ReadFrom(int position);

    // The text area holds more than blanks, or no longer does: "Старт" follows.
    void TextAvailabilityChanged(bool available);

    void SetDialogOpen(bool open) { dialogOpen = open; }
    bool DialogOpen() const { return dialogOpen; }

    // The settings as the settings store reads and writes them; each setter keeps its range.
    const SpeedReaderSettings &Settings() const { return settings; }
    void SetDelay(int value);
    void SetLength(int value);
    void SetBack(int value);
    void SetLetters(int value);
    void SetLongWord(int value);
    void SetEndOfSentence(int value);
    void SetComma(int value);
    void SetAutoStop(bool on);
    void SetNonStop(bool on);
    void SetIndicatorsShown(bool shown);
    void SetSmoothStart(bool on) { smoothStart = on; }
    void SetContextWhenStopped(bool on);

    bool Running() const { return running; }
    bool CountingActive() const { return countingStart.has_value(); }
    int ReplayIndex() const { return replayIndex; }
    QStringList GroupHistory() const;
    void ClearGroupHistory() { groupHistory.clear(); }
    const ReadingContext &Context() const { return context; }
    const WordChunker &Chunker() const { return chunker; }

    double StartTime = 0;  // time of day the clock counts from

private:
    void TickAndArm();
    void ArmNextTick();
    int TickLength() const;
    void RestartBeat();
    ChunkRules Rules() const;
    void ShowNextGroup();
    void ShowStepped();
    void ShowContext();
    void EndOfText();
    void RewindToTop();
    void Replay();
    bool Paused() const;
    void StepDelay(int direction);
    void TrimHistory();
    void ShowSettings();

    TextArea &area;
    const Clock &clock;
    Timer &timer1;
    Timer &tmCounting;
    Timer &tmClock;
    SpeedReaderView &view;
    WordChunker chunker;

    SpeedReaderSettings settings;
    bool running = false;
    bool dialogOpen = false;
    int replayIndex = -2;
    QList<WordChunker::Place> groupHistory;
    std::optional<qint64> countingStart;  // monotonic ms when the measurement began
    bool smoothStart = false;
    bool contextWhenStopped = false;
    ReadingContext context;  // as shown

    qint64 nextDue = 0;        // monotonic ms the next tick falls due
    int beatNumber = 0;        // grows with every fresh beat
    int groupsSinceStart = 0;  // for the smooth start
    bool restartingFromTop = false;
};
