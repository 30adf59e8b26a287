#pragma once
#include "platform/ColorRef.h"
#include "reading/ReadingView.h"
#include <QtGlobal>

class Clipboard;
class LanguageDispatch;
class SentenceStepper;
class TDirectSS;
class TextArea;
class Timer;

// Reads the text of Re1 (or its selection, copied to the hidden Re2) or the clipboard text aloud,
// one piece at a time: each piece goes to a voice, and the voice's end-of-speech notification
// brings the next piece, after the extra pause of UpDown1 seconds when it is not 0. Keeps the
// buttons of the reading tab in step with the state.
class ReadingController {
public:
    static constexpr ColorRef DefaultHighlightBackColor = MakeColorRef(104, 104, 104);

    ReadingController(ReadingView &view, TextArea &re1, TextArea &re2, SentenceStepper &stepper,
                      LanguageDispatch &dispatch, Timer &tmSleep, const Clipboard &clipboard);
    ReadingController(const ReadingController &) = delete;
    ReadingController &operator=(const ReadingController &) = delete;

    // The reading state.
    bool ReadingActive = false;  // also while paused or waiting between pieces
    bool ReadingPaused = false;
    bool ReadingText = false;    // started from the document text rather than the clipboard
    TextArea *ReadingTarget = nullptr;
    bool MouseDownInText = false;  // a left click into Re1: the next piece stops the reading
    ColorRef HighlightBackColor = DefaultHighlightBackColor;

    bool ExtraPauseRunning() const;  // TmSleep is counting down

    void BtStartSpeakingClick();
    void BtStartBufferClick();
    void BtPauseClick();
    void BtResumeClick();
    void AcReadExecute();
    void AcStopSpeakingExecute();  // also the click on "Стоп" of a text reading
    void AcStopBufferExecute();    // also the click on "Стоп" of a clipboard reading
    void AcStopBothExecute();
    // The voice panels' end-of-speech notification, whichever voice spoke.
    void DsAudioStop(TDirectSS *sender, quint32 hi, quint32 lo);
    void TmSleepTimer();

    void Re1MouseDown(bool leftButton);
    void Re1Enter();
    void Re1Exit();
    void Re1Change();

    void UpDown1Click();
    void CbLangApartClick();
    void AcSoundEnablesExecute();

private:
    void BeginReading();
    void EndReading();
    void ShowReadingButtons(ReadingButton stopButton);
    void KeepOtherReadingOff(ReadingButton startButton, ReadingButton stopButton);
    void HandleAudioStop();
    bool ClipboardHasText() const;
    bool Re1HasText() const;

    ReadingView &view;
    TextArea &re1;
    TextArea &re2;
    SentenceStepper &stepper;
    LanguageDispatch &dispatch;
    Timer &tmSleep;
    const Clipboard &clipboard;
    int readingRuns = 0;               // counts starts and stops, to notice one during a piece
    bool audioStopWhilePaused = false;  // a piece ended while paused: "Продолжить" goes on
};
