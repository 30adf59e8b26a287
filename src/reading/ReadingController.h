#pragma once
#include "platform/ColorRef.h"
#include "reading/ReadingView.h"
#include <QString>
#include <functional>

class Clipboard;
class LanguageDispatch;
class SentenceStepper;
class TextArea;
class Timer;

// What is being read aloud.
enum class ReadingSource {
    Nothing,
    Text,       // Re1, or its selection copied to Re2
    Clipboard,  // the clipboard text, copied to Re2
};

// Reads the text of Re1 (or its selection, copied to the hidden Re2) or the clipboard text aloud,
// one piece at a time: each piece goes to a voice, and the end of its speech brings the next
// piece, after the extra pause of UpDown1 seconds when it is not 0. The controller holds the
// reading state; the buttons of the reading tab are drawn from it.
class ReadingController {
public:
    static constexpr ColorRef DefaultHighlightBackColor = MakeColorRef(104, 104, 104);

    // The options of the sound tab that the reading and the clipboard monitor follow, as their
    // controls last told them.
    struct Options {
        int ExtraPause = 1;  // UpDown1, seconds between pieces
        bool LangApart = true;
        bool AutoBuffer = true;
        bool IgnoreLong = true;
        int Langs = LangsNothing;  // an RgLangsItem
        bool KnowAbbreviations = false;  // CbAbbreviations, the program's own
        bool EnglishRuns = false;        // "Английские вставки — английским голосом", the same
    };
    static inline const QString VoiceFailedMessage = QStringLiteral("Голос не смог прочитать текст");

    // Subscribes to the dispatch's end of a piece and to TmSleep.
    ReadingController(ReadingView &view, TextArea &re1, TextArea &re2, SentenceStepper &stepper,
                      LanguageDispatch &dispatch, Timer &tmSleep, const Clipboard &clipboard);
    ~ReadingController();
    ReadingController(const ReadingController &) = delete;
    ReadingController &operator=(const ReadingController &) = delete;

    // The reading state.
    ReadingSource Source() const { return source; }
    bool ReadingActive() const { return source != ReadingSource::Nothing; }  // paused or waiting too
    bool ReadingText() const { return source == ReadingSource::Text; }
    bool ReadingPaused() const { return paused; }
    const TextArea *ReadingTarget() const { return target; }  // keeps its last value after a reading
    bool MouseDownInText() const { return mouseDownInText; }  // the next piece stops the reading
    bool ExtraPauseRunning() const;  // TmSleep is counting down
    // Runs each time the bar is drawn from the state again: a reading started, paused, went on
    // or ended.
    std::function<void()> OnStateChanged;
    // Runs as each piece goes to a voice: where it starts in the text read, and its text.
    std::function<void(int start, const QString &piece)> OnPieceStarted;

    // The colours of a text reading of Re1: its background, and the colour of the piece spoken.
    // A change during such a reading shows at once.
    void SetHighlightBackColour(ColorRef colour);
    void SetHighlightTextColour(ColorRef colour);
    // "Подсвечивать слово": the word being played is marked inside the coloured piece of Re1.
    void SetWordMarking(bool on);
    bool WordMarking() const { return wordMarking; }

    const Options &CurrentOptions() const { return options; }
    void SetOptions(const Options &changed);
    // The dispatch the reading speaks through: the export reads its pronunciation too.
    const LanguageDispatch &Dispatch() const { return dispatch; }

    // At the window's creation: whether there is a text to read and a clipboard text.
    void TakeStartupState();

    void BtStartSpeakingClick();
    void BtStartBufferClick();
    void BtPauseClick();
    void BtResumeClick();
    void AcReadExecute();
    void AcStopSpeakingExecute();  // also the click on "Стоп" of a text reading
    void AcStopBufferExecute();    // also the click on "Стоп" of a clipboard reading
    void AcStopBothExecute();      // the end of the text: the stop of the text area read
    void StopWhateverReads();      // a tab switch: the stop of the reading under way
    void PieceSpoken();            // a voice has played its piece to the end
    void WordSpoken(int position, int length);  // in the text handed to the voice
    void TmSleepTimer();
    // While a voice reads (not paused): it leaves its piece, and the reading goes on at once with
    // the piece that starts at position of the text read. The media keys' next and previous.
    void ReadFrom(int position);

    // A clipboard text the monitor has not seen before. Read at once when readByItself and no
    // text reading is under way; returns whether it is being read.
    bool ClipboardTextChanged(const QString &text, bool readByItself);

    void Re1MouseDown(bool leftButton);
    void Re1Enter();
    void Re1Exit();
    void Re1Change();
    bool TextAvailable() const { return textAvailable; }  // Re1 holds more than blanks

    void CbLangApartClick();
    void AcSoundEnablesExecute();

private:
    void StartReading(ReadingSource what, TextArea &area, ReadingButton stopButton);
    void EndReading();
    void ShowButtons();
    void StartExtraPause(int seconds);
    void VoiceFailed();
    bool ReadingRe1() const { return source == ReadingSource::Text && target == &re1; }
    bool ClipboardHasText() const;
    bool Re1HasText() const;

    ReadingView &view;
    TextArea &re1;
    TextArea &re2;
    SentenceStepper &stepper;
    LanguageDispatch &dispatch;
    Timer &tmSleep;
    const Clipboard &clipboard;

    Options options;
    ReadingSource source = ReadingSource::Nothing;
    bool paused = false;
    TextArea *target = nullptr;
    bool mouseDownInText = false;
    // What "Продолжить" goes on with: the voice where it stopped, or, when the piece or the extra
    // pause ended while paused, the extra pause or the next piece.
    enum class Resumption { Voice, ExtraPause, NextPiece };
    Resumption onResume = Resumption::Voice;
    ColorRef highlightBackColour = DefaultHighlightBackColor;
    bool wordMarking = false;
    QString piece;  // the piece of Re1 being spoken, with the backquotes its voice was not given
    // As the bar first shows "Вслух" and "Буфер": enabled, until the start-up looks.
    bool textAvailable = true;
    bool clipboardAvailable = true;
};
