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

PageSwitch::PageSwitch(Parts parts, bool &suppressTextEvents, const bool &formStarting, QString tempPath)
    : parts(parts), suppressTextEvents(suppressTextEvents), formStarting(formStarting),
      tempPath(std::move(tempPath))
{
}

void PageSwitch::PageControl1Changing(int currentPage)
{
    suppressTextEvents = true;
    parts.window.StopVoices();
    LeavingSpeedReader = currentPage == TsSr;
    StopReading();
}

// A tab switch stops whichever reading's "Стоп" is showing.
void PageSwitch::StopReading()
{
    if (parts.readingView.ButtonVisible(ReadingButton::StopSpeaking))
        parts.reading.AcStopSpeakingExecute();
    else if (parts.readingView.ButtonVisible(ReadingButton::StopBuffer))
        parts.reading.AcStopBufferExecute();
}

void PageSwitch::PageControl1Change(int newPage)
{
    if (!formStarting)
        parts.record.SetByte(SettingsField::TabIndex, quint8(newPage));
    const bool entering = newPage == TsSr;
    if (!entering && !LeavingSpeedReader) {
        suppressTextEvents = false;
        return;
    }

    parts.window.ShowTextArea(false);
    parts.window.ProcessEvents();
    if (entering) {
        if (!formStarting)
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
    suppressTextEvents = false;
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
