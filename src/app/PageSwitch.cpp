#include "app/PageSwitch.h"
#include "platform/TextArea.h"
#include "reading/ReadingController.h"
#include "reading/TextAreaScrolling.h"
#include "settings/SettingsRecord.h"
#include "speedreader/SpeedReaderController.h"
#include <QFile>

namespace {

bool WriteScratchFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}

} // namespace

PageSwitch::PageSwitch(Parts parts, QString tempPath) : parts(parts), tempPath(std::move(tempPath))
{
}

void PageSwitch::PageControl1Changing(int currentPage)
{
    switching.emplace(parts.textEvents.Suppress());
    parts.window.StopVoices();
    leavingSpeedReader = currentPage == TsSr;
    parts.reading.StopWhateverReads();
}

void PageSwitch::PageControl1Change(int newPage)
{
    parts.record.SetByte(SettingsField::TabIndex, quint8(newPage));
    Enter(newPage);
}

// At start the text area is built for the reading tab and the tab stored is already the one
// shown. The speed reader counts paragraphs, so its tab gets them at start too: over wrapped
// lines its place would move as the area lays out more of the text.
void PageSwitch::EnterRememberedPage(int page)
{
    switching.emplace(parts.textEvents.Suppress());
    Enter(page);
}

void PageSwitch::Enter(int newPage)
{
    const bool entering = newPage == TsSr;
    if (!entering && !leavingSpeedReader) {
        switching.reset();
        return;
    }

    parts.window.ShowTextArea(false);
    parts.window.Repaint();
    if (entering) {
        RewrapForPage(newPage);
        parts.speedReader.TakePositionFromTextArea();
    } else {
        parts.speedReader.GivePositionToTextArea();
        RewrapForPage(newPage);
    }
    parts.window.FocusTabControl();
    CentreCaretLine(parts.area, parts.window.VisibleLineCount());
    parts.window.ShowTextArea(true);
    parts.speedReader.ClearGroupHistory();
    switching.reset();
    QFile::remove(tempPath);
}

void PageSwitch::RewrapForPage(int activePage)
{
    RebuildThroughScratchFile(activePage != TsSr);
    if (activePage == TsRe)
        CentreCaretLine(parts.area, parts.window.VisibleLineCount());
}

// The area is laid out anew around the same text, so that its selection, colouring and undo
// history stay; the scratch file holds a copy of the text meanwhile.
void PageSwitch::RebuildThroughScratchFile(bool wordWrap)
{
    TextArea &area = parts.area;
    const int selStart = area.SelStart();
    const int selLength = area.SelLength();
    WriteScratchFile(tempPath, area.Text());
    parts.window.SetWordWrap(wordWrap);
    area.SetSelStart(selStart);
    area.SetSelLength(selLength);
}
