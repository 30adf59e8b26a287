#pragma once
#include "SpeedReaderPage.h"
#include "SpeedReaderSettingsPage.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtTimer.h"
#include "speedreader/SpeedReaderController.h"

class OptionsStore;
class TextArea;
struct SettingsControls;

// The speed reader as the main window holds it: its two tabs' widgets, its clock and timers
// Timer1, TmCounting and TmClock, and the controller that runs it over the text area.
class SpeedReader {
public:
    SpeedReader(QWidget *pnSrBase, QWidget *pnSettings, TextArea &area);

    // The values the speed reader keeps, the display's font and background, and its switches
    // that "Data.dat" does not hold.
    void BindSettings(SettingsControls &controls, OptionsStore &switches);

    SpeedReaderController &Controller() { return controller; }
    SpeedReaderPage &Page() { return page; }
    SpeedReaderSettingsPage &SettingsPage() { return settingsPage; }

private:
    QtClock clock;
    QtTimer timer1, tmCounting, tmClock;
    SpeedReaderSettingsPage settingsPage;
    SpeedReaderPage page;
    SpeedReaderController controller;
};
