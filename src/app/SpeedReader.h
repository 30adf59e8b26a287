#pragma once
#include "SpeedReaderPage.h"
#include "SpeedReaderSettingsPage.h"
#include "platform/qt/QtTimer.h"
#include "speedreader/SpeedReaderController.h"

class Clock;
class TextArea;

// The speed reader as the main window holds it: its two tabs' widgets, its timers Timer1,
// TmCounting and TmClock, and the controller that runs it over the text area.
class SpeedReader {
public:
    SpeedReader(QWidget *pnSrBase, QWidget *pnSettings, TextArea &area, const Clock &clock);

    SpeedReaderController &Controller() { return controller; }
    SpeedReaderPage &Page() { return page; }
    SpeedReaderSettingsPage &SettingsPage() { return settingsPage; }

private:
    QtTimer timer1, tmCounting, tmClock;
    SpeedReaderSettingsPage settingsPage;
    SpeedReaderPage page;
    SpeedReaderController controller;
};
