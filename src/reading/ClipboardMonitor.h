#pragma once
#include <QString>

class Clipboard;
class ReadingController;
class ReadingView;
class TextArea;
class Timer;

// Watches the clipboard while the reading tab is shown and tells the reading controller of a new
// text, and whether automatic sending and the language and length filters would have it read at
// once. The other way round, a single word selected in Re1 goes to the clipboard by itself.
class ClipboardMonitor {
public:
    static constexpr int PollInterval = 800;  // milliseconds
    static constexpr int LongText = 50;       // "Игнорировать длиннее 50"

    ClipboardMonitor(ReadingView &view, ReadingController &controller, TextArea &re1,
                     Clipboard &clipboard, Timer &tmBuffer);
    ClipboardMonitor(const ClipboardMonitor &) = delete;
    ClipboardMonitor &operator=(const ClipboardMonitor &) = delete;

    QString ClipboardSnapshot;  // the clipboard text last taken note of

    // At start-up: a text already in the clipboard is not new.
    void TakeStartupSnapshot();

    void TmBufferTimer();
    void Re1SelectionChange();
    void CbAutoBufferClick();
    void RgLangsClick();

private:
    bool ReadsByItself(const QString &clip) const;

    ReadingView &view;
    ReadingController &controller;
    TextArea &re1;
    Clipboard &clipboard;
    Timer &tmBuffer;
};
