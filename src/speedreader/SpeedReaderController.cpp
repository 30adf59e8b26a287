#include "speedreader/SpeedReaderController.h"
#include "platform/Clock.h"
#include "platform/TextArea.h"
#include "platform/Timer.h"
#include "speedreader/SpeedReaderView.h"
#include "speedreader/WordsPerMinute.h"
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr qint64 MsPerDay = 86400000;
// How many delays the first groups after a smooth start stay.
constexpr double SmoothStartRamp[] = {2.0, 1.8, 1.6, 1.4, 1.2};

// Whole units per minute, rounded down to a multiple of unit; 0 when no time has passed.
qint64 RatePerMinute(int count, qint64 elapsedMs, int unit)
{
    if (elapsedMs <= 0)
        return 0;
    const double perMinute = count * 60000.0 / double(elapsedMs);
    return qint64(std::floor(perMinute / unit)) * unit;
}

// A span of less than a day in the long time format, "0:05:07".
QString LongTime(double days)
{
    const qint64 seconds = std::llround(days * MsPerDay) % MsPerDay / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The delay's scale: 50, 60 … 200, 220 … 500, 600 … 3000, 3500 … 10000, 11000 … 30000. A value
// that an arrow left between two marks (10500, 3100, 520, 210) goes on to the next mark.
void FitDelayToScale(int &value, int &step)
{
    const int p = value;
    step = 1000;
    if (p <= 10000)
        step = 500;
    if (p == 10500)
        value = 11000;
    if (p <= 3000)
        step = 100;
    if (p == 3100)
        value = 3500;
    if (p <= 500)
        step = 20;
    if (p == 520)
        value = 600;
    if (p <= 200)
        step = 10;
    if (p == 210)
        value = 220;
}

} // namespace

SpeedReaderController::SpeedReaderController(TextArea &area, const TextMeasurer &measurer,
                                             const Clock &clock, Timer &timer1, Timer &tmCounting,
                                             Timer &tmClock, SpeedReaderView &view)
    : area(area), clock(clock), timer1(timer1), tmCounting(tmCounting), tmClock(tmClock),
      view(view), chunker(area, measurer)
{
    chunker.OnLineEntered = [this](int percent) {
        settings.Written = percent;
        ShowSettings();
    };
    StartTime = clock.TimeOfDay();

    timer1.SetEnabled(false);
    timer1.SetSingleShot(true);
    timer1.OnTimer = [this] { TickAndArm(); };
    tmCounting.SetEnabled(false);
    tmCounting.SetInterval(CountingPeriod);
    tmCounting.OnTimer = [this] { TmCountingTimer(); };
    tmClock.SetInterval(ClockPeriod);
    tmClock.OnTimer = [this] { TmClockTimer(); };
    tmClock.SetEnabled(true);
    AcDelay();
}

SpeedReaderController::~SpeedReaderController()
{
    for (Timer *timer : {&timer1, &tmCounting, &tmClock}) {
        timer->SetEnabled(false);
        timer->OnTimer = nullptr;
    }
}

// With only blanks behind the position (the caret left at the end of the text) the reading starts
// from the top.
void SpeedReaderController::BtStartClick()
{
    if (!chunker.WordAhead())
        RewindToTop();
    replayIndex = -2;
    running = true;
    groupsSinceStart = 0;
    view.ShowRunning(true);
    ShowContext();
    RestartBeat();
    tmCounting.SetEnabled(true);
    TickAndArm();
    view.FocusTabControl();
}

void SpeedReaderController::BtStopClick()
{
    AcStopReading();
    view.ShowGroup({});
}

void SpeedReaderController::AcStopReading()
{
    chunker.DropExtraTicks();
    tmCounting.SetEnabled(false);
    AcStopCounting();
    running = false;
    view.ShowRunning(false);
    timer1.SetEnabled(false);
    if (!contextWhenStopped)
        groupHistory.clear();
    ShowContext();
}

// A piece of a cut word is dropped with the position, so a new text never starts with the tail
// of the old one.
void SpeedReaderController::AcFullStop()
{
    timer1.SetEnabled(false);
    AcStopReading();
    view.ShowGroup({});
    area.SetSelStart(0);
    groupHistory.clear();
    RewindToTop();
    ShowContext();
}

void SpeedReaderController::RewindToTop()
{
    chunker.Rewind();
    settings.Written = 0;
    ShowSettings();
}

void SpeedReaderController::AcStopCounting()
{
    countingStart.reset();
    chunker.ResetCounts();
}

// A tick that stopped the reader, or started it afresh from the top, leaves the next tick alone.
void SpeedReaderController::TickAndArm()
{
    const int beat = beatNumber;
    AcTimerExecute();
    if (running && beat == beatNumber)
        ArmNextTick();
}

void SpeedReaderController::RestartBeat()
{
    nextDue = clock.MonotonicMs();
    ++beatNumber;
}

// Each tick is due one tick length after the one before was due, so a late tick makes the next
// one come sooner and the error never adds up. A tick a whole length late or more means the event
// loop was held up: the beat starts afresh rather than flashing the missed groups all at once.
void SpeedReaderController::ArmNextTick()
{
    const qint64 now = clock.MonotonicMs();
    nextDue += TickLength();
    if (nextDue <= now)
        nextDue = now + TickLength();
    timer1.SetInterval(int(nextDue - now));
    timer1.SetEnabled(true);
}

// The ticks of the first groups after a smooth start are longer, the group on screen deciding.
int SpeedReaderController::TickLength() const
{
    const int group = groupsSinceStart - 1;
    if (!smoothStart || group < 0 || group >= int(std::size(SmoothStartRamp)))
        return settings.Delay;
    return int(std::lround(settings.Delay * SmoothStartRamp[group]));
}

void SpeedReaderController::AcTimerExecute()
{
    if (chunker.TakeExtraTick())
        return;
    if (Paused()) {
        AcStopCounting();
        return;
    }
    if (!countingStart)
        countingStart = clock.MonotonicMs();
    if (replayIndex > settings.Back || replayIndex > groupHistory.size() - 1)
        replayIndex = -2;
    if (replayIndex == -2)
        ShowNextGroup();
    else
        Replay();
}

bool SpeedReaderController::Paused() const
{
    return (settings.AutoStop && !view.ApplicationActive()) || dialogOpen
        || !view.SpeedReaderTabShown();
}

ChunkRules SpeedReaderController::Rules() const
{
    return {settings.Length, settings.Letters, settings.LongWord, settings.EndOfSentence, settings.Comma};
}

void SpeedReaderController::ShowNextGroup()
{
    if (!chunker.NextWordGroup(Rules(), view.DisplayWidth())) {
        EndOfText();
        return;
    }
    ++groupsSinceStart;
    view.ShowGroup(chunker.CurrentGroup());
    groupHistory.append(chunker.Here());
    TrimHistory();
}

QStringList SpeedReaderController::GroupHistory() const
{
    QStringList groups;
    for (const WordChunker::Place &place : groupHistory)
        groups << place.group;
    return groups;
}

void SpeedReaderController::ShowContext()
{
    const WordChunker::Span &shown = chunker.Shown();
    const bool shows = contextWhenStopped && !running && shown.line >= 0 && shown.line < area.LineCount();
    context = shows ? ReadingContext::Around(area.LineText(shown.line), shown.line, shown.from, shown.to)
                    : ReadingContext();
    view.ShowContext(context);
}

void SpeedReaderController::SetContextWhenStopped(bool on)
{
    contextWhenStopped = on;
    ShowContext();
}

// At the end of the text nothing changes.
void SpeedReaderController::StepForward()
{
    const WordChunker::Place before = chunker.Here();
    if (!chunker.NextWordGroup(Rules(), view.DisplayWidth())) {
        chunker.ReturnTo(before);
        return;
    }
    chunker.DropExtraTicks();
    chunker.ResetCounts();
    groupHistory.append(chunker.Here());
    TrimHistory();
    ShowStepped();
}

// The first group remembered has none before it.
void SpeedReaderController::StepBack()
{
    if (groupHistory.size() < 2)
        return;
    groupHistory.removeLast();
    chunker.ReturnTo(groupHistory.last());
    ShowStepped();
}

void SpeedReaderController::ShowStepped()
{
    view.ShowGroup(chunker.CurrentGroup());
    ShowContext();
}

void SpeedReaderController::ContextWordClicked(int index)
{
    if (running || index < 0 || index >= context.words.size())
        return;
    chunker.MoveTo(context.line, context.words[index].offset);
    groupHistory.clear();
    StepForward();
}

// With "Читать бесконечно" the end of the text starts the reader again from the top, once: when
// that start meets the end at once, the text holds no word and the reader stays stopped.
void SpeedReaderController::EndOfText()
{
    AcFullStop();
    if (settings.NonStop && !restartingFromTop) {
        restartingFromTop = true;
        BtStartClick();
        restartingFromTop = false;
    }
}

void SpeedReaderController::Replay()
{
    view.ShowGroup(replayIndex == -1 ? QString() : groupHistory[replayIndex].group);
    ++replayIndex;
}

void SpeedReaderController::TrimHistory()
{
    while (groupHistory.size() > settings.Back)
        groupHistory.removeFirst();
}

void SpeedReaderController::AcDelay()
{
    FitDelayToScale(settings.Delay, settings.DelayStep);
    if (running) {
        RestartBeat();
        ArmNextTick();
    }
    ShowSettings();
}

void SpeedReaderController::TmCountingTimer()
{
    if (!countingStart)
        return;
    const qint64 elapsed = clock.MonotonicMs() - *countingStart;
    const qint64 words = RatePerMinute(chunker.WordsRead(), elapsed, 10);
    const qint64 symbols = RatePerMinute(chunker.SymbolsRead(), elapsed, 100);
    if (words > 0)
        view.ShowRates(QString::number(words) + QLatin1Char(' '),
                       QString::number(symbols) + QLatin1Char(' '));
}

void SpeedReaderController::TmClockTimer()
{
    double elapsed = clock.TimeOfDay() - StartTime;
    while (elapsed < 0)
        elapsed += 1;
    view.ShowClock(LongTime(elapsed) + QStringLiteral("  "));
}

void SpeedReaderController::PnClockDblClick()
{
    StartTime = clock.TimeOfDay();
}

void SpeedReaderController::Indicators1Click()
{
    SetIndicatorsShown(!settings.IndicatorsShown);
}

bool SpeedReaderController::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!view.SpeedReaderTabShown())
        return false;
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (key == Qt::Key_Plus && keypad)
        StepDelay(+1);
    else if (key == Qt::Key_Minus && keypad)
        StepDelay(-1);
    else if (key == Qt::Key_Up)
        replayIndex = -1;
    else if (key == Qt::Key_Space)
        running ? AcStopReading() : BtStartClick();
    else if ((key == Qt::Key_Left || key == Qt::Key_Right) && contextWhenStopped) {
        if (!running)
            key == Qt::Key_Left ? StepBack() : StepForward();
    } else
        return false;
    return true;
}

void SpeedReaderController::StepDelay(int direction)
{
    settings.Delay = std::clamp(settings.Delay + direction * settings.DelayStep,
                                SpeedReaderSettings::MinDelay, SpeedReaderSettings::MaxDelay);
    AcDelay();
    AcStopCounting();
}

void SpeedReaderController::UdDelayClick(int value)
{
    SetDelay(value);
    AcStopCounting();
}

void SpeedReaderController::UdWordsPerMinuteClick(int wordsPerMinute)
{
    UdDelayClick(WordsPerMinute::Delay(wordsPerMinute));
}

void SpeedReaderController::UdLengthClick(int value)
{
    SetLength(value);
    AcStopCounting();
}

void SpeedReaderController::UdWrittenClick(int value)
{
    settings.Written = std::clamp(value, 0, SpeedReaderSettings::MaxWritten);
    const qint64 lines = std::max(area.LineCount(), 0);
    chunker.MoveTo(int(lines * settings.Written / 100));
    ShowSettings();
    ShowContext();
}

void SpeedReaderController::PnSRDblClick()
{
    running ? AcStopReading() : BtStartClick();
}

void SpeedReaderController::PnDelayDblClick()
{
    settings.Delay = SpeedReaderSettings::DefaultDelay;
    AcDelay();
}

void SpeedReaderController::PnLengthDblClick()
{
    AcStopCounting();
    SetLength(SpeedReaderSettings::DefaultLength);
}

void SpeedReaderController::PnWrittenDblClick()
{
    UdWrittenClick(0);
}

void SpeedReaderController::Pn22DblClick()
{
    SetLetters(SpeedReaderSettings::DefaultLetters);
}

void SpeedReaderController::Pn33DblClick()
{
    SetLongWord(0);
}

void SpeedReaderController::Pn44DblClick()
{
    SetEndOfSentence(0);
}

void SpeedReaderController::Pn55DblClick()
{
    SetComma(0);
}

void SpeedReaderController::Pn66DblClick()
{
    SetBack(SpeedReaderSettings::DefaultBack);
}

// A selection over several lines is read from its start (the caret, at its end, may stand on a
// later line); the group shown last becomes the selection again on the way back.
void SpeedReaderController::TakePositionFromTextArea()
{
    ReadFrom(area.SelStart());
}

void SpeedReaderController::ReadFrom(int start)
{
    const int line = std::max(area.LineFromChar(start), 0);
    const int count = area.LineCount();
    if (area.TextLength() > 0 && count > 0)
        settings.Written = std::clamp(line * 100 / count, 0, SpeedReaderSettings::MaxWritten);
    groupHistory.clear();
    chunker.MoveTo(line, start - std::max(area.LineIndex(line), 0));
    ShowSettings();
    ShowContext();
}

void SpeedReaderController::GivePositionToTextArea()
{
    const int length = area.SelLength();
    area.SetSelStart(ReadPosition());
    area.SetSelLength(chunker.GroupSpan() != 0 ? chunker.GroupSpan() : length);
}

int SpeedReaderController::ReadPosition() const
{
    const int line = std::min(chunker.ReadLine(), area.LineCount() - 1);
    const int lineStart = line >= 0 ? std::max(area.LineIndex(line), 0) : 0;
    return std::clamp(lineStart + chunker.ReadOffset() - chunker.GroupSpan(), 0, area.TextLength());
}

void SpeedReaderController::SetDelay(int value)
{
    settings.Delay =
        std::clamp(value, SpeedReaderSettings::MinDelay, SpeedReaderSettings::MaxDelay);
    AcDelay();
}

void SpeedReaderController::SetLength(int value)
{
    settings.Length =
        std::clamp(value, SpeedReaderSettings::MinLength, SpeedReaderSettings::MaxLength);
    ShowSettings();
}

void SpeedReaderController::SetBack(int value)
{
    settings.Back = std::clamp(value, 0, SpeedReaderSettings::MaxBack);
    TrimHistory();
    ShowSettings();
}

void SpeedReaderController::SetLetters(int value)
{
    settings.Letters =
        std::clamp(value, SpeedReaderSettings::MinLetters, SpeedReaderSettings::MaxLetters);
    ShowSettings();
}

void SpeedReaderController::SetLongWord(int value)
{
    settings.LongWord = std::clamp(value, 0, SpeedReaderSettings::MaxExtraTicks);
    ShowSettings();
}

void SpeedReaderController::SetEndOfSentence(int value)
{
    settings.EndOfSentence = std::clamp(value, 0, SpeedReaderSettings::MaxExtraTicks);
    ShowSettings();
}

void SpeedReaderController::SetComma(int value)
{
    settings.Comma = std::clamp(value, 0, SpeedReaderSettings::MaxExtraTicks);
    ShowSettings();
}

void SpeedReaderController::SetAutoStop(bool on)
{
    settings.AutoStop = on;
    ShowSettings();
}

void SpeedReaderController::SetNonStop(bool on)
{
    settings.NonStop = on;
    ShowSettings();
}

void SpeedReaderController::TextAvailabilityChanged(bool available)
{
    view.ShowStartEnabled(available);
}

void SpeedReaderController::SetIndicatorsShown(bool shown)
{
    settings.IndicatorsShown = shown;
    view.ShowIndicators(shown);
    ShowSettings();
}

void SpeedReaderController::ShowSettings()
{
    view.ShowSettings(settings);
}
