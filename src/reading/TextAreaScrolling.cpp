#include "reading/TextAreaScrolling.h"
#include "platform/TextArea.h"
#include <algorithm>

void CentreCaretLine(TextArea &area, int visibleLineCount)
{
    const int first = area.FirstVisibleLine();
    const int top = area.LineFromChar(area.SelStart());
    const int bottom = area.LineFromChar(area.SelStart() + area.SelLength());
    const int half = (visibleLineCount - (bottom - top + 1)) / 2;
    area.ScrollLines((top - first) - half);
}

int FirstVisibleCharIndex(const TextArea &area)
{
    return std::max(area.LineIndex(area.FirstVisibleLine()), 0);
}

void ScrollCharToTop(TextArea &area, int index)
{
    area.ScrollLines(area.LineFromChar(index) - area.FirstVisibleLine());
}

int VisibleLinesIn(int clientHeight, int lineHeight)
{
    return lineHeight > 0 ? std::max(clientHeight, 0) / lineHeight : 0;
}

TextView TakeView(const TextArea &area)
{
    return {FirstVisibleCharIndex(area), area.SelStart(), area.SelLength()};
}

void RestoreView(TextArea &area, const TextView &view)
{
    area.SetSelStart(view.selStart);
    area.SetSelLength(view.selLength);
    ScrollCharToTop(area, view.firstVisibleChar);
}
