#include "reading/ReadingController.h"
#include "platform/Clipboard.h"
#include "platform/Guarded.h"
#include "platform/TextArea.h"
#include "platform/Timer.h"
#include "reading/BlankText.h"
#include "reading/LanguageDispatch.h"
#include "reading/SentenceStepper.h"
#include <utility>

using enum ReadingButton;

namespace {

// Where a character of the text spoken, which lost the backquotes, stands in its piece.
int PiecePosition(const QString &piece, int spoken)
{
    int position = 0;
    for (int seen = 0; position < piece.size() && (seen < spoken || piece[position] == u'`'); ++position)
        if (piece[position] != u'`')
            ++seen;
    return position;
}

} // namespace

ReadingController::ReadingController(ReadingView &view, TextArea &re1, TextArea &re2,
                                     SentenceStepper &stepper, LanguageDispatch &dispatch,
                                     Timer &tmSleep, const Clipboard &clipboard)
    : view(view), re1(re1), re2(re2), stepper(stepper), dispatch(dispatch), tmSleep(tmSleep),
      clipboard(clipboard)
{
    stepper.AcStopBoth = [this] { AcStopBothExecute(); };
    dispatch.OnPieceSpoken = [this] { PieceSpoken(); };
    dispatch.OnWordSpoken = [this](int position, int length) { WordSpoken(position, length); };
    tmSleep.SetEnabled(false);
    tmSleep.OnTimer = [this] { TmSleepTimer(); };
}

ReadingController::~ReadingController()
{
    stepper.AcStopBoth = nullptr;
    dispatch.OnPieceSpoken = nullptr;
    dispatch.OnWordSpoken = nullptr;
    tmSleep.OnTimer = nullptr;
}

bool ReadingController::ExtraPauseRunning() const
{
    return tmSleep.Enabled();
}

void ReadingController::TakeStartupState()
{
    textAvailable = Re1HasText();
    clipboardAvailable = ClipboardHasText();
    ShowButtons();
}

// The three slots of the bar: "Вслух" or its "Стоп", "Буфер" or its "Стоп", "Пауза" or
// "Продолжить". A start button stays in place, disabled, while the other reading runs.
void ReadingController::ShowButtons()
{
    const bool idle = source == ReadingSource::Nothing;
    const bool text = source == ReadingSource::Text;
    const bool fromClipboard = source == ReadingSource::Clipboard;
    view.ShowButton(StartSpeaking, !text, idle && textAvailable);
    view.ShowButton(StopSpeaking, text, text);
    view.ShowButton(StartBuffer, !fromClipboard, idle && clipboardAvailable);
    view.ShowButton(StopBuffer, fromClipboard, fromClipboard);
    view.ShowButton(Pause, idle || !paused, !idle && !paused);
    view.ShowButton(Resume, !idle && paused, !idle && paused);
    if (OnStateChanged)
        OnStateChanged();
}

// A reading of the whole text goes on behind the caret; with only blanks behind it (the caret
// left at the end by typing or pasting) it starts from the top.
void ReadingController::BtStartSpeakingClick()
{
    const QString selection = re1.SelText();
    if (!IsBlankText(selection)) {
        re2.SetText(selection);
        re2.SetSelStart(0);
        StartReading(ReadingSource::Text, re2, StopSpeaking);
        return;
    }
    if (FirstNonBlank(re1, re1.SelStart() + re1.SelLength()) < 0 && Re1HasText())
        re1.SetSelStart(0);
    view.SetTextAreaBackground(highlightBackColour);
    StartReading(ReadingSource::Text, re1, StopSpeaking);
}

void ReadingController::BtStartBufferClick()
{
    re2.SetText(TrimBlanks(clipboard.Text()));
    re2.SetSelStart(0);
    StartReading(ReadingSource::Clipboard, re2, StopBuffer);
}

void ReadingController::StartReading(ReadingSource what, TextArea &area, ReadingButton stopButton)
{
    source = what;
    target = &area;
    paused = false;
    onResume = Resumption::Voice;
    ShowButtons();
    view.FocusButton(stopButton);
    AcReadExecute();
}

void ReadingController::EndReading()
{
    source = ReadingSource::Nothing;
    paused = false;
    onResume = Resumption::Voice;
    textAvailable = Re1HasText();
    clipboardAvailable = ClipboardHasText();
    ShowButtons();
}

void ReadingController::AcReadExecute()
{
    if (mouseDownInText) {
        AcStopSpeakingExecute();
        return;
    }
    if (!target)
        return;
    view.FocusButton(Pause);
    const auto text = stepper.NextSpokenPiece(*target);
    if (!text)
        return;  // the end of the text has stopped the reading
    piece = target->SelText();
    if (OnPieceStarted)
        OnPieceStarted(target->SelStart(), piece);
    if (target == &re1) {
        stepper.HighlightSentence(re1);
        stepper.ScrollToHighlight(re1);
    }
    if (!Guarded("Speak", [&] { dispatch.SpeakText(*text); }, Failure::Seen))
        VoiceFailed();
}

// A voice that cannot speak would leave the reading waiting in silence for an end that never
// comes: the reading ends as after "Стоп", and the user is told why.
void ReadingController::VoiceFailed()
{
    StopWhateverReads();
    view.ShowMessage(VoiceFailedMessage);
}

void ReadingController::PieceSpoken()
{
    if (!ReadingActive())
        return;
    if (paused) {
        onResume = Resumption::ExtraPause;
        return;
    }
    StartExtraPause(options.ExtraPause);
}

void ReadingController::WordSpoken(int position, int length)
{
    if (!wordMarking || !ReadingRe1() || length <= 0)
        return;
    const int start = PiecePosition(piece, position);
    const int end = PiecePosition(piece, position + length - 1) + 1;
    stepper.MarkWord(re1, start, end - start);
}

void ReadingController::SetWordMarking(bool on)
{
    wordMarking = on;
    if (!on)
        stepper.ClearWordMark(re1);
}

void ReadingController::StartExtraPause(int seconds)
{
    if (seconds == 0) {
        AcReadExecute();
        return;
    }
    tmSleep.SetInterval(seconds * 1000);
    tmSleep.SetEnabled(false);
    tmSleep.SetEnabled(true);
}

void ReadingController::TmSleepTimer()
{
    tmSleep.SetEnabled(false);
    if (!ReadingActive())
        return;
    if (paused)
        onResume = Resumption::NextPiece;
    else
        AcReadExecute();
}

void ReadingController::ReadFrom(int position)
{
    if (!ReadingActive() || paused || !target)
        return;
    tmSleep.SetEnabled(false);
    stepper.DashPending = false;
    target->SetSelStart(position);
    AcReadExecute();
}

void ReadingController::BtPauseClick()
{
    paused = true;
    ShowButtons();
    view.FocusButton(Resume);
    dispatch.PauseVoices();
}

void ReadingController::BtResumeClick()
{
    paused = false;
    ShowButtons();
    view.FocusButton(Pause);
    dispatch.ResumeVoices();
    if (!ReadingActive())
        return;
    switch (std::exchange(onResume, Resumption::Voice)) {
    case Resumption::Voice:
        break;
    case Resumption::ExtraPause:
        StartExtraPause(options.ExtraPause);
        break;
    case Resumption::NextPiece:
        AcReadExecute();
        break;
    }
}

void ReadingController::AcStopSpeakingExecute()
{
    dispatch.ResetVoices();
    tmSleep.SetEnabled(false);
    if (!ReadingActive())
        return;
    // The colour goes while the reading still stands, so that the text area's selection and
    // change events caused by it count as the reading's own work.
    if (target == &re1)
        stepper.ClearHighlight(re1);
    EndReading();
    if (!view.TextAreaFocused())
        view.FocusButton(StartSpeaking);
    view.RestoreTextAreaBackground();
    re1.SetHideSelection(false);
}

void ReadingController::AcStopBufferExecute()
{
    EndReading();
    view.FocusButton(StartBuffer);
    dispatch.ResetVoices();
    tmSleep.SetEnabled(false);
}

// A selection read from Re2 ends through the clipboard's stop, leaving the focus on "Буфер".
void ReadingController::AcStopBothExecute()
{
    if (target == &re1)
        AcStopSpeakingExecute();
    else if (target == &re2)
        AcStopBufferExecute();
}

void ReadingController::StopWhateverReads()
{
    if (source == ReadingSource::Text)
        AcStopSpeakingExecute();
    else if (source == ReadingSource::Clipboard)
        AcStopBufferExecute();
}

bool ReadingController::ClipboardTextChanged(const QString &text, bool readByItself)
{
    clipboardAvailable = !IsBlankText(text);
    ShowButtons();
    if (!readByItself || !clipboardAvailable || source == ReadingSource::Text)
        return false;
    BtStartBufferClick();
    return true;
}

void ReadingController::Re1MouseDown(bool leftButton)
{
    stepper.DashPending = false;
    if (!leftButton)
        return;
    mouseDownInText = true;
    if (ReadingText())
        AcStopSpeakingExecute();
}

void ReadingController::Re1Enter()
{
    stepper.DashPending = false;
}

void ReadingController::Re1Exit()
{
    mouseDownInText = false;
}

void ReadingController::Re1Change()
{
    textAvailable = Re1HasText();
    ShowButtons();
    if (source != ReadingSource::Text)
        view.FocusTextArea();
}

void ReadingController::CbLangApartClick()
{
    dispatch.LangApart = options.LangApart;
    AcSoundEnablesExecute();
}

void ReadingController::AcSoundEnablesExecute()
{
    const bool apart = options.LangApart;
    view.SetForeignVoiceGroupEnabled(apart);
    view.SetRussianVoiceGroupCaption(apart ? QStringLiteral("Русский")
                                           : QStringLiteral("Английский и Русский"));
    view.SetIgnoreLongEnabled(options.Langs < LangsNothing);
}

void ReadingController::SetOptions(const Options &changed)
{
    options = changed;
    stepper.KnowAbbreviations = changed.KnowAbbreviations;
    dispatch.EnglishRuns = changed.EnglishRuns;
}

void ReadingController::SetHighlightBackColour(ColorRef colour)
{
    highlightBackColour = colour;
    if (ReadingRe1())
        view.SetTextAreaBackground(colour);
}

void ReadingController::SetHighlightTextColour(ColorRef colour)
{
    stepper.HighlightTextColor = colour;
    if (ReadingRe1())
        stepper.RecolourHighlight(re1);
}

bool ReadingController::ClipboardHasText() const
{
    return !IsBlankText(clipboard.Text());
}

bool ReadingController::Re1HasText() const
{
    return FirstNonBlank(re1, 0) >= 0;
}
