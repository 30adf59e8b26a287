#pragma once
#include <QString>

class ReadingController;
class ReadingView;
class SettingsRecord;
class SpeedReaderController;
class TextArea;

// The parts of the main window that a tab switch drives.
class PageSwitchWindow {
public:
    virtual ~PageSwitchWindow() = default;

    virtual void StopVoices() = 0;  // AudioReset on Sound1, then Sound2, ignoring failures
    virtual void ShowTextArea(bool shown) = 0;
    virtual void ProcessEvents() = 0;
    virtual void SetWordWrap(bool on) = 0;
    virtual void FocusTabControl() = 0;
    virtual int VisibleLineCount() const = 0;
};

// The tab switch of the main window. Leaving any tab stops both voices and a reading aloud or a
// clipboard watch. Entering or leaving the speed reader also hands the reading position between
// it and the text area and rebuilds the text area: word wrap off on the speed reader's tab, so
// that each line is a paragraph as the speed reader counts them, and on elsewhere.
class PageSwitch {
public:
    enum Page { TsRe = 0, TsSr = 1, TsSettings = 2, TsSound = 3 };

    struct Parts {
        TextArea &area;  // Re1
        ReadingController &reading;
        const ReadingView &readingView;
        SpeedReaderController &speedReader;
        SettingsRecord &record;
        PageSwitchWindow &window;
    };
    // suppressTextEvents is set from PageControl1Changing to the end of PageControl1Change;
    // tempPath is the scratch file "Temp.tmp".
    PageSwitch(Parts parts, bool &suppressTextEvents, const bool &formStarting, QString tempPath);
    PageSwitch(const PageSwitch &) = delete;
    PageSwitch &operator=(const PageSwitch &) = delete;

    void PageControl1Changing(int currentPage);  // the tab is about to change
    void PageControl1Change(int newPage);        // the new tab is active; also once at start
    void RewrapForPage(int activePage);

    bool LeavingSpeedReader = false;

private:
    void StopReading();
    void RebuildThroughScratchFile(bool wordWrap);

    Parts parts;
    bool &suppressTextEvents;
    const bool &formStarting;
    QString tempPath;
};
