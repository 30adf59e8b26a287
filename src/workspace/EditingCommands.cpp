#include "workspace/EditingCommands.h"
#include "platform/Clipboard.h"
#include "platform/Guarded.h"
#include "platform/TextArea.h"
#include "workspace/EditingView.h"
#include "workspace/TextCleanup.h"

namespace {

// The clipboard takes text with the system's line breaks.
QString ForClipboard(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

EditingCommands::EditingCommands(TextArea &re1, Clipboard &clipboard, EditingView &view,
                                 std::function<void()> stopSpeedReader)
    : re1(re1), clipboard(clipboard), view(view), stopSpeedReader(std::move(stopSpeedReader))
{
}

void EditingCommands::SelectAll1Click()
{
    if (re1.SelLength() > 0 && re1.SelLength() == re1.TextLength()) {
        re1.SetSelStart(re1.SelStart());
    } else {
        re1.SetSelStart(0);
        re1.SetSelLength(re1.TextLength());
    }
    view.FocusTextArea();
}

void EditingCommands::Cut1Click()
{
    if (re1.SelLength() == 0)
        return;
    clipboard.SetText(ForClipboard(re1.SelText()));
    re1.ReplaceSelection(QString());
}

void EditingCommands::Copy1Click()
{
    if (re1.SelLength() > 0)
        clipboard.SetText(ForClipboard(re1.SelText()));
}

void EditingCommands::Paste1Click()
{
    const QString text = clipboard.Text();
    if (!text.isEmpty())
        re1.ReplaceSelection(text);
}

void EditingCommands::AcSelectAllExecute()
{
    view.FindFieldFocused() ? view.SelectAllInFindField() : SelectAll1Click();
}

void EditingCommands::AcCutExecute()
{
    view.FindFieldFocused() ? view.CutFromFindField() : Cut1Click();
}

void EditingCommands::AcCopyExecute()
{
    view.FindFieldFocused() ? view.CopyFromFindField() : Copy1Click();
}

void EditingCommands::AcPasteExecute()
{
    if (view.FindFieldFocused())
        view.PasteIntoFindField(clipboard.Text());
    else
        Paste1Click();
}

void EditingCommands::DelMin1Click()
{
    stopSpeedReader();
    re1.ReplaceText(RemoveHyphenation(re1.Text(), JudgeForHyphens ? JudgeForHyphens() : HyphenJudge()));
}

// A failure leaves the text as it was; the pointer comes back in every case.
void EditingCommands::Sentences1Click()
{
    view.ShowBusy(true);
    const bool knowAbbreviations = KnowAbbreviations && KnowAbbreviations();
    Guarded(
        "Sentences1Click", [&] { re1.ReplaceText(SplitIntoSentences(re1.Text(), knowAbbreviations)); },
        Failure::Seen);
    view.ShowBusy(false);
}
