#pragma once
#include <functional>

class Timer;

// When the text and the reading place are written while the program runs, so that a crash, a kill
// or a power cut loses at most Interval of either. A changed text is written Interval after its
// first change (later changes wait for that write, so steady typing is still kept) and at once
// when the window loses the focus. The place is written every Interval while reading aloud and at
// once when the reading pauses or stops. The writes themselves are the caller's, who hands them
// away from the user-interface thread.
class PeriodicSaves {
public:
    static constexpr int IntervalMs = 30000;

    struct Writes {
        std::function<void()> text;
        std::function<void()> place;
    };

    PeriodicSaves(Timer &textTimer, Timer &placeTimer, Writes writes);
    ~PeriodicSaves();
    PeriodicSaves(const PeriodicSaves &) = delete;
    PeriodicSaves &operator=(const PeriodicSaves &) = delete;

    void TextChanged();
    void FocusLost();
    // After every change of the reading state: whether a voice is reading now (not paused).
    void ReadingChanged(bool reading);
    // The close writes both itself: nothing is left to write.
    void Closing();

    bool TextPending() const { return textChanged; }

private:
    void WriteText();
    void PlaceTimerFired();

    Timer &textTimer;
    Timer &placeTimer;
    Writes writes;
    bool textChanged = false;
    bool reading = false;
};
