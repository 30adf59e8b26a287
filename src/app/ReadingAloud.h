#pragma once
#include "app/ReadingBar.h"
#include "app/ReadingWindowView.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtTextArea.h"
#include "platform/qt/QtTimer.h"
#include "reading/ClipboardMonitor.h"
#include "reading/LanguageDispatch.h"
#include "reading/ReadingController.h"
#include "reading/SentenceStepper.h"

class ReadingOptions;
class TextArea;
class TLektavo;

// Reading aloud in the main window: the top bar of the reading tab, the reading options of the
// sound tab, the hidden Re2, the pause timer TmSleep and the clipboard monitor with TmBuffer,
// composed around the reading controller and wired to Re1 and the two voice panels.
class ReadingAloud {
public:
    // re1 is Re1 as the logic sees it; the window's Re1, Re2, PnReTop, PnSoundLeft, voice panels
    // and tabs must exist.
    ReadingAloud(TLektavo &window, TextArea &re1);
    ~ReadingAloud();
    ReadingAloud(const ReadingAloud &) = delete;
    ReadingAloud &operator=(const ReadingAloud &) = delete;

    // At the window's creation: the clipboard's text is not new, "Вслух" needs a text.
    void FormCreate();

    ReadingBar Bar;
    ReadingOptions *Options;
    ReadingWindowView View;
    QtTextArea Re2;
    SentenceStepper Stepper;
    LanguageDispatch Dispatch;
    QtTimer TmSleep, TmBuffer;
    QtClipboard Clipboard;
    ReadingController Controller;
    ClipboardMonitor Monitor;

private:
    TLektavo &window;
    TextArea &re1;
};
