#pragma once
#include <QObject>
#include <QString>

class DoubleClickFrame;
class QCheckBox;
class QFrame;
class QLabel;
class QSpinBox;
class QWidget;
class SpeedReaderController;
class TwoColumns;
struct SpeedReaderSettings;

// The "Настройки" tab, built into PnSettings: the heading with the clock PnClock, the left column
// (Pn22 … Pn55: long words, the extra ticks) and the right one (Pn66 replay size, Pn77
// "Пауза при неактивности", Pn99 "Читать бесконечно", then the program's own switches, which
// their binding shows and applies). Changes go to the controller.
class SpeedReaderSettingsPage {
public:
    explicit SpeedReaderSettingsPage(QWidget *pnSettings);
    void Attach(SpeedReaderController &controller);

    void ShowSettings(const SpeedReaderSettings &settings);
    void ShowClock(const QString &text);

    QWidget *PnSettings;
    DoubleClickFrame *PnClock;
    QLabel *LbClock;
    QWidget *PnSettingsLeft, *PnSettingRight;
    DoubleClickFrame *Pn22, *Pn33, *Pn44, *Pn55, *Pn66, *Pn77, *Pn99;
    QFrame *PnSwitches;
    QSpinBox *UdLetters, *UdLongWord, *UdEndOfSentence, *UdComma, *UdBack;
    QCheckBox *CbAutoStop, *CbNonStop;
    QCheckBox *CbFocusPoint, *CbWordsPerMinute, *CbContextWhenStopped, *CbSmoothStart;

private:
    TwoColumns *columns;
    QObject connections;  // the connections to the controller end with the page
};
