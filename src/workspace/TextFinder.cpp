#include "workspace/TextFinder.h"
#include "platform/KeyboardLayout.h"
#include "platform/TextArea.h"
#include "reading/LanguageDispatch.h"
#include "reading/TextAreaScrolling.h"
#include "workspace/FindView.h"

TextFinder::TextFinder(TextArea &area, FindView &view, KeyboardLayout &keyboard)
    : area(area), view(view), keyboard(keyboard)
{
}

void TextFinder::Edit1Change()
{
    view.SetFindEnabled(!view.SearchText().isEmpty());
}

bool TextFinder::Edit1KeyPress(QChar key)
{
    if (key != u'\r')
        return false;
    BtFindClick();
    return true;
}

void TextFinder::BtFindClick()
{
    const QString searched = view.SearchText();
    if (searched.isEmpty())
        return;
    if (LanguageDispatch::IsRussianText(view.Caption()))
        keyboard.Activate(QString::fromLatin1(KeyboardLayout::Russian));
    const int selStart = area.SelStart();
    const int selLength = area.SelLength();
    const int found = FindFrom(searched, selStart + selLength);
    if (found < 0) {
        area.SetSelStart(0);
        view.ShowCaptionMessage(QString::fromUtf8(NotFoundMessage));
        return;
    }
    if (selLength > 0 && found == selStart)
        view.ShowCaptionMessage(QString::fromUtf8(FoundOnceMessage));
    else
        view.RestoreCaption();
    SelectOccurrence(found, int(searched.size()));
}

// From a position to the end of the text, then from the top. The search goes round whenever it
// did not start at the top, also behind a selection at the very start: an occurrence selected
// there is then found again rather than reported missing.
int TextFinder::FindFrom(const QString &searched, int from) const
{
    const int length = area.TextLength();
    const int found = area.FindIgnoringCase(searched, from, length);
    return found < 0 && from > 0 ? area.FindIgnoringCase(searched, 0, length) : found;
}

// The area brings a selection into view by itself; one that lay below the view goes to its middle.
void TextFinder::SelectOccurrence(int position, int length)
{
    const int visibleLines = view.VisibleLineCount();
    const bool belowView = area.LineFromChar(position) >= area.FirstVisibleLine() + visibleLines;
    area.SetSelStart(position);
    area.SetSelLength(length);
    if (belowView)
        CentreCaretLine(area, visibleLines);
}
