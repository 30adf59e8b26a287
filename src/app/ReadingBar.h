#pragma once
#include "reading/ReadingView.h"

class QPushButton;
class QWidget;
class ReadingController;

// The buttons of the reading tab's top bar PnReTop, in three slots that each show one of a pair:
// "Вслух" or "Стоп" (text), "Буфер" or "Стоп" (clipboard), "Пауза" or "Продолжить".
class ReadingBar {
public:
    // Appends the buttons to PnReTop's box layout (a row when it has none yet), the stop buttons
    // and "Продолжить" hidden and "Пауза" disabled.
    explicit ReadingBar(QWidget *pnReTop);

    QPushButton *Button(ReadingButton button) const;
    void ConnectTo(ReadingController &controller);

    QPushButton *BtStartSpeaking, *BtStopSpeaking;
    QPushButton *BtStartBuffer, *BtStopBuffer;
    QPushButton *BtPause, *BtResume;
};
