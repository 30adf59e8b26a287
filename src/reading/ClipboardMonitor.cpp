#include "reading/ClipboardMonitor.h"
#include "platform/Clipboard.h"
#include "platform/TextArea.h"
#include "platform/Timer.h"
#include "reading/BlankText.h"
#include "reading/LanguageDispatch.h"
#include "reading/ReadingController.h"
#include "reading/ReadingView.h"

namespace {

// Counts characters, not UTF-16 units: a letter beyond the basic plane is one character.
bool LongerThan(const QString &text, int limit)
{
    int characters = 0;
    for (QChar c : text)
        if (!c.isLowSurrogate() && ++characters > limit)
            return true;
    return false;
}

bool LanguageAccepted(int langsIndex, const QString &text)
{
    switch (langsIndex) {
    case LangsForeignAndRussian:
        return true;
    case LangsForeign:
        return !LanguageDispatch::IsRussianText(text);
    case LangsRussian:
        return LanguageDispatch::IsRussianText(text);
    default:
        return false;
    }
}

} // namespace

ClipboardMonitor::ClipboardMonitor(ReadingView &view, ReadingController &controller, TextArea &re1,
                                   Clipboard &clipboard, Timer &tmBuffer)
    : view(view), controller(controller), re1(re1), clipboard(clipboard), tmBuffer(tmBuffer)
{
    tmBuffer.OnTimer = [this] { TmBufferTimer(); };
    tmBuffer.SetInterval(PollInterval);
    tmBuffer.SetEnabled(true);
}

void ClipboardMonitor::TakeStartupSnapshot()
{
    ClipboardSnapshot = clipboard.Text();
}

void ClipboardMonitor::TmBufferTimer()
{
    if (controller.ExtraPauseRunning() || view.TextEventsSuppressed() || !view.ReadingTabShown())
        return;
    const QString clip = clipboard.Text();
    if (clip == ClipboardSnapshot)
        return;
    // During a reading the new text stays new, so that it is taken when the reading ends.
    if (!controller.ReadingActive())
        ClipboardSnapshot = clip;
    // Noted here too: a text copied during a clipboard reading restarts it once, not at every poll.
    if (controller.ClipboardTextChanged(clip, ReadsByItself(clip)))
        ClipboardSnapshot = clip;
}

bool ClipboardMonitor::ReadsByItself(const QString &clip) const
{
    const ReadingController::Options &options = controller.CurrentOptions();
    return options.AutoBuffer && !(options.IgnoreLong && LongerThan(clip, LongText))
        && LanguageAccepted(options.Langs, clip);
}

void ClipboardMonitor::Re1SelectionChange()
{
    if (view.TextEventsSuppressed() || !view.ReadingTabShown() || !controller.CurrentOptions().AutoBuffer)
        return;
    if (controller.ReadingText())
        return;
    const QString selection = re1.SelText();
    // Tabs and line breaks inside do not make two words of it; a space does.
    if (IsBlankText(selection) || TrimBlanks(selection).contains(u' '))
        return;
    if (selection == clipboard.Text())
        return;
    tmBuffer.SetEnabled(false);
    clipboard.SetText(selection);
    tmBuffer.SetEnabled(true);  // the next poll comes a full period later
}

void ClipboardMonitor::CbAutoBufferClick()
{
    if (!controller.CurrentOptions().AutoBuffer)
        ClipboardSnapshot.clear();  // the next poll takes note of the clipboard again
    controller.AcSoundEnablesExecute();
}

void ClipboardMonitor::RgLangsClick()
{
    view.SetIgnoreLongEnabled(controller.CurrentOptions().Langs < LangsNothing);
}
