#pragma once
#include "platform/qt/QtTextMeasurer.h"
#include "speedreader/SpeedReaderView.h"
#include <QObject>
#include <optional>

class DoubleClickFrame;
class GroupDisplay;
class QColor;
class QFont;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;
class SpeedReaderController;
class SpeedReaderSettingsPage;

// The "Быстрочиталка" tab, built into PnSrBase: the bar PnTopButtons ("Старт"/"Стоп", the delay,
// the words a minute when shown, the group length and "Прочитано") over the display PnSR and the
// context LbContext shown while stopped. It is the controller's view, and hands the clock and the
// settings of the "Настройки" tab on to that page.
class SpeedReaderPage : public SpeedReaderView {
public:
    SpeedReaderPage(QWidget *pnSrBase, SpeedReaderSettingsPage &settingsPage);
    void Attach(SpeedReaderController &controller);

    const TextMeasurer &Measurer() const { return *measurer; }
    void SetDisplayFont(const QFont &font, const QColor &colour);
    void ShowWordsPerMinute(bool shown);

    void ShowGroup(const QString &group) override;
    void ShowRunning(bool running) override;
    void ShowStartEnabled(bool enabled) override;
    void ShowRates(const QString &words, const QString &symbols) override;
    void ShowIndicators(bool shown) override;
    void ShowClock(const QString &text) override;
    void ShowSettings(const SpeedReaderSettings &settings) override;
    void ShowContext(const ReadingContext &context) override;
    void FocusTabControl() override;
    int DisplayWidth() const override;
    bool SpeedReaderTabShown() const override;
    bool ApplicationActive() const override;

    QWidget *PnSrBase;
    QWidget *PnTopButtons;
    QPushButton *BtStart, *BtStop;
    DoubleClickFrame *PnDelay, *PnWordsPerMinute, *PnLength, *PnWritten;
    QSpinBox *UdDelay, *UdWordsPerMinute, *UdLength, *UdWritten;
    GroupDisplay *PnSR;
    QLabel *LbWords, *LbSymbols;
    QLabel *LbContext;

private:
    SpeedReaderSettingsPage &settingsPage;
    std::optional<QtTextMeasurer> measurer;  // in the display's font
    QObject connections;  // the connections to the controller end with the page
};
