#pragma once
#include <QString>

struct ReadingContext;
struct SpeedReaderSettings;

// What the speed reader shows and what it asks of the window around it.
class SpeedReaderView {
public:
    virtual ~SpeedReaderView() = default;

    virtual void ShowGroup(const QString &group) = 0;  // the display PnSR; empty blanks it
    virtual void ShowRunning(bool running) = 0;        // "Стоп" visible while running, else "Старт"
    virtual void ShowStartEnabled(bool enabled) = 0;   // "Старт" needs a text
    virtual void ShowRates(const QString &words, const QString &symbols) = 0;  // LbWords, LbSymbols
    virtual void ShowIndicators(bool shown) = 0;       // LbWords and LbSymbols visible
    virtual void ShowClock(const QString &text) = 0;   // PnClock
    virtual void ShowSettings(const SpeedReaderSettings &settings) = 0;  // spin boxes, check boxes
    virtual void ShowContext(const ReadingContext &context) = 0;  // under the display; empty hides it
    virtual void FocusTabControl() = 0;                // so that the keys reach the window

    virtual int DisplayWidth() const = 0;              // client width of PnSR in pixels
    virtual bool SpeedReaderTabShown() const = 0;
    virtual bool ApplicationActive() const = 0;
};
