#pragma once
#include "app/TextEventGate.h"
#include <QString>
#include <optional>

class ReadingController;
class SettingsRecord;
class SpeedReaderController;
class TextArea;

// The parts of the main window that a tab switch drives.
class PageSwitchWindow {
public:
    virtual ~PageSwitchWindow() = default;

    virtual void StopVoices() = 0;  // AudioReset on Sound1, then Sound2, ignoring failures
    virtual void ShowTextArea(bool shown) = 0;
    virtual void Repaint() = 0;     // at once, before a long step
    virtual void SetWordWrap(bool on) = 0;
    virtual void FocusTabControl() = 0;
    virtual int VisibleLineCount() const = 0;
};

// The tab switch of the main window. Leaving any tab stops both voices and whatever reads aloud.
// Entering or leaving the speed reader also hands the reading position between it and the text
// area and rebuilds the text area: word wrap off on the speed reader's tab, so that each line is
// a paragraph as the speed reader counts them, and on elsewhere. The text area's events are
// suppressed from the moment a tab is left until the next one is set up.
class PageSwitch {
public:
    enum Page { TsRe = 0, TsSr = 1, TsSettings = 2, TsSound = 3 };

    struct Parts {
        TextArea &area;  // Re1
        ReadingController &reading;
        SpeedReaderController &speedReader;
        SettingsRecord &record;
        PageSwitchWindow &window;
        TextEventGate &textEvents;
    };
    // tempPath is the scratch file "Temp.tmp".
    PageSwitch(Parts parts, QString tempPath);
    PageSwitch(const PageSwitch &) = delete;
    PageSwitch &operator=(const PageSwitch &) = delete;

    void EnterRememberedPage(int page);          // the start-up's switch to the tab of the last run
    void PageControl1Changing(int currentPage);  // the tab is about to change
    void PageControl1Change(int newPage);        // the new tab is active
    void RewrapForPage(int activePage);

private:
    void Enter(int newPage);
    void RebuildThroughScratchFile(bool wordWrap);

    Parts parts;
    QString tempPath;
    bool leavingSpeedReader = false;
    std::optional<TextEventGate::Suppression> switching;
};
