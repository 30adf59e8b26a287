#include "workspace/PeriodicSaves.h"
#include "platform/Timer.h"
#include <utility>

PeriodicSaves::PeriodicSaves(Timer &textTimer, Timer &placeTimer, Writes writes)
    : textTimer(textTimer), placeTimer(placeTimer), writes(std::move(writes))
{
    textTimer.SetEnabled(false);
    textTimer.SetSingleShot(true);
    textTimer.SetInterval(IntervalMs);
    textTimer.OnTimer = [this] { WriteText(); };
    placeTimer.SetEnabled(false);
    placeTimer.SetSingleShot(false);
    placeTimer.SetInterval(IntervalMs);
    placeTimer.OnTimer = [this] { PlaceTimerFired(); };
}

PeriodicSaves::~PeriodicSaves()
{
    textTimer.OnTimer = nullptr;
    placeTimer.OnTimer = nullptr;
}

void PeriodicSaves::TextChanged()
{
    textChanged = true;
    textTimer.SetEnabled(true);
}

void PeriodicSaves::FocusLost()
{
    if (textChanged)
        WriteText();
}

void PeriodicSaves::WriteText()
{
    textTimer.SetEnabled(false);
    if (!std::exchange(textChanged, false))
        return;
    writes.text();
}

void PeriodicSaves::ReadingChanged(bool readingNow)
{
    const bool wasReading = std::exchange(reading, readingNow);
    placeTimer.SetEnabled(readingNow);
    if (wasReading && !readingNow)
        writes.place();
}

void PeriodicSaves::PlaceTimerFired()
{
    if (reading)
        writes.place();
}

void PeriodicSaves::Closing()
{
    textChanged = false;
    reading = false;
    textTimer.SetEnabled(false);
    placeTimer.SetEnabled(false);
}
