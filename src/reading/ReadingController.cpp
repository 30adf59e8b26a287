#include "reading/ReadingController.h"
#include "platform/Clipboard.h"
#include "platform/TextArea.h"
#include "platform/Timer.h"
#include "reading/BlankText.h"
#include "reading/LanguageDispatch.h"
#include "reading/SentenceStepper.h"

using enum ReadingButton;

ReadingController::ReadingController(ReadingView &view, TextArea &re1, TextArea &re2,
                                     SentenceStepper &stepper, LanguageDispatch &dispatch,
                                     Timer &tmSleep, const Clipboard &clipboard)
    : view(view), re1(re1), re2(re2), stepper(stepper), dispatch(dispatch), tmSleep(tmSleep),
      clipboard(clipboard)
{
    stepper.AcStopBoth = [this] { AcStopBothExecute(); };
    tmSleep.SetEnabled(false);
    tmSleep.OnTimer = [this] { TmSleepTimer(); };
}

bool ReadingController::ExtraPauseRunning() const
{
    return tmSleep.Enabled();
}

void ReadingController::BtStartSpeakingClick()
{
    ReadingText = true;
    const QString selection = re1.SelText();
    if (!IsBlankText(selection)) {
        re2.SetText(selection);
        re2.SetSelStart(0);
        ReadingTarget = &re2;
    } else {
        ReadingTarget = &re1;
        view.SetTextAreaBackground(HighlightBackColor);
    }
    ReadingPaused = false;
    ShowReadingButtons(StopSpeaking);
    KeepOtherReadingOff(StartBuffer, StopBuffer);
    view.FocusButton(StopSpeaking);
    BeginReading();
    AcReadExecute();
}

void ReadingController::BtStartBufferClick()
{
    ReadingText = false;
    ReadingTarget = &re2;
    re2.SetText(TrimBlanks(clipboard.Text()));
    re2.SetSelStart(0);
    ReadingPaused = false;
    ShowReadingButtons(StopBuffer);
    KeepOtherReadingOff(StartSpeaking, StopSpeaking);
    view.FocusButton(StopBuffer);
    BeginReading();
    AcReadExecute();
}

// The other reading's start button stays in place, disabled; its stop button is hidden.
void ReadingController::KeepOtherReadingOff(ReadingButton startButton, ReadingButton stopButton)
{
    view.SetButtonVisible(startButton, true);
    view.SetButtonEnabled(startButton, false);
    view.SetButtonVisible(stopButton, false);
    view.SetButtonEnabled(stopButton, false);
}

// "Пауза" shown and enabled, "Продолжить" hidden, the given stop button in place of its start.
void ReadingController::ShowReadingButtons(ReadingButton stopButton)
{
    const ReadingButton startButton = stopButton == StopSpeaking ? StartSpeaking : StartBuffer;
    view.SetButtonVisible(Pause, true);
    view.SetButtonEnabled(Pause, true);
    view.SetButtonVisible(Resume, false);
    view.SetButtonVisible(stopButton, true);
    view.SetButtonEnabled(stopButton, true);
    view.SetButtonVisible(startButton, false);
}

void ReadingController::BeginReading()
{
    ReadingActive = true;
    audioStopWhilePaused = false;
    ++readingRuns;
}

void ReadingController::EndReading()
{
    ReadingText = false;
    ReadingPaused = false;
    ReadingActive = false;
    audioStopWhilePaused = false;
    ++readingRuns;
}

void ReadingController::AcReadExecute()
{
    if (MouseDownInText) {
        AcStopSpeakingExecute();
        return;
    }
    if (!ReadingTarget)
        return;
    view.FocusButton(Pause);
    TextArea &target = *ReadingTarget;
    QString text;
    do {  // a piece of blanks and backquotes only would be silence that never reports its end
        stepper.NextSentence(target);
        if (target.SelStart() + target.SelLength() == 0)
            return;  // the end of the text has stopped the reading
        text = target.SelText().remove(u'`');
    } while (IsBlankText(text));
    if (&target == &re1) {
        const int run = readingRuns;
        stepper.HighlightSentence(re1);
        stepper.ScrollToHighlight(re1);
        if (!ReadingActive || run != readingRuns)
            return;  // stopped or restarted by an event handled while the view scrolled
    }
    dispatch.SpeakText(text);
}

void ReadingController::DsAudioStop(TDirectSS *, quint32, quint32)
{
    if (!ReadingActive)
        return;
    if (ReadingPaused) {
        audioStopWhilePaused = true;
        return;
    }
    HandleAudioStop();
}

void ReadingController::HandleAudioStop()
{
    const int seconds = view.ExtraPauseSeconds();
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
    if (ReadingActive)
        AcReadExecute();
}

void ReadingController::BtPauseClick()
{
    ReadingPaused = true;
    view.SetButtonVisible(Pause, false);
    view.SetButtonEnabled(Pause, false);
    view.SetButtonVisible(Resume, true);
    view.SetButtonEnabled(Resume, true);
    view.FocusButton(Resume);
    dispatch.PauseVoices();
}

void ReadingController::BtResumeClick()
{
    ReadingPaused = false;
    view.SetButtonVisible(Pause, true);
    view.SetButtonEnabled(Pause, true);
    view.SetButtonVisible(Resume, false);
    view.SetButtonEnabled(Resume, false);
    view.FocusButton(Pause);
    dispatch.ResumeVoices();
    if (audioStopWhilePaused && ReadingActive) {
        audioStopWhilePaused = false;
        HandleAudioStop();
    }
}

void ReadingController::AcStopSpeakingExecute()
{
    dispatch.ResetVoices();
    tmSleep.SetEnabled(false);
    if (!ReadingActive)
        return;
    // The colour goes while the reading still stands, so that the text area's selection and
    // change events caused by it count as the reading's own work.
    if (ReadingTarget == &re1)
        stepper.ClearHighlight(re1);
    EndReading();
    view.SetButtonVisible(StartSpeaking, true);
    view.SetButtonVisible(Pause, true);
    view.SetButtonEnabled(Pause, false);
    view.SetButtonVisible(Resume, false);
    view.SetButtonEnabled(StartBuffer, ClipboardHasText());
    view.SetButtonVisible(StartBuffer, true);
    view.SetButtonEnabled(StopBuffer, false);
    view.SetButtonVisible(StopBuffer, false);
    view.SetButtonEnabled(StartSpeaking, Re1HasText());
    view.SetButtonVisible(StopSpeaking, false);
    if (!view.TextAreaFocused())
        view.FocusButton(StartSpeaking);
    view.RestoreTextAreaBackground();
    re1.SetHideSelection(false);
}

void ReadingController::AcStopBufferExecute()
{
    EndReading();
    view.SetButtonVisible(Pause, true);
    view.SetButtonEnabled(Pause, false);
    view.SetButtonVisible(Resume, false);
    view.SetButtonEnabled(StartBuffer, ClipboardHasText());
    view.SetButtonVisible(StartBuffer, true);
    view.SetButtonEnabled(StopBuffer, false);
    view.SetButtonVisible(StopBuffer, false);
    view.SetButtonEnabled(StartSpeaking, Re1HasText());
    view.SetButtonVisible(StartSpeaking, true);
    view.FocusButton(StartBuffer);
    view.SetButtonVisible(StopSpeaking, false);
    dispatch.ResetVoices();
    tmSleep.SetEnabled(false);
}

void ReadingController::AcStopBothExecute()
{
    if (ReadingTarget == &re1)
        AcStopSpeakingExecute();
    else if (ReadingTarget == &re2)
        AcStopBufferExecute();
}

void ReadingController::Re1MouseDown(bool leftButton)
{
    stepper.DashPending = false;
    if (!leftButton)
        return;
    MouseDownInText = true;
    if (ReadingText)
        AcStopSpeakingExecute();
}

void ReadingController::Re1Enter()
{
    stepper.DashPending = false;
}

void ReadingController::Re1Exit()
{
    MouseDownInText = false;
}

void ReadingController::Re1Change()
{
    const bool hasText = Re1HasText();
    view.SetButtonEnabled(StartSpeaking, hasText);
    view.SetSpeedReaderStartEnabled(hasText);
    if (!view.ButtonVisible(StopSpeaking))
        view.FocusTextArea();
}

void ReadingController::UpDown1Click()
{
    view.OptionsChanged();
}

void ReadingController::CbLangApartClick()
{
    dispatch.LangApart = view.LangApartChecked();
    view.OptionsChanged();
    view.ProcessEvents();
    AcSoundEnablesExecute();
}

void ReadingController::AcSoundEnablesExecute()
{
    const bool apart = view.LangApartChecked();
    view.SetForeignVoiceGroupEnabled(apart);
    view.SetRussianVoiceGroupCaption(apart ? QStringLiteral("Русский")
                                           : QStringLiteral("Английский и Русский"));
    view.SetIgnoreLongEnabled(view.LangsIndex() < LangsNothing);
}

bool ReadingController::ClipboardHasText() const
{
    return !IsBlankText(clipboard.Text());
}

bool ReadingController::Re1HasText() const
{
    return !IsBlankText(re1.Text());
}
