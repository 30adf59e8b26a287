#include "SpeedReader.h"

SpeedReader::SpeedReader(QWidget *pnSrBase, QWidget *pnSettings, TextArea &area)
    : settingsPage(pnSettings), page(pnSrBase, settingsPage),
      controller(area, page.Measurer(), clock, timer1, tmCounting, tmClock, page)
{
    timer1.setObjectName("Timer1");
    tmCounting.setObjectName("TmCounting");
    tmClock.setObjectName("TmClock");
    page.Attach(controller);
    settingsPage.Attach(controller);
}
