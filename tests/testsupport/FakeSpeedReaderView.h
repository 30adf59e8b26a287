#pragma once
#include "speedreader/ReadingContext.h"
#include "speedreader/SpeedReaderSettings.h"
#include "speedreader/SpeedReaderView.h"
#include "testsupport/ManualClock.h"
#include <QList>
#include <QStringList>

// The speed reader's tab as plain fields: every group shown, with the time it was shown at.
class FakeSpeedReaderView : public SpeedReaderView {
public:
    struct Shown {
        QString group;
        qint64 at;
    };

    explicit FakeSpeedReaderView(ManualClock &clock) : clock(clock) {}

    void ShowGroup(const QString &group) override
    {
        Groups.append({group, clock.Now});
        clock.Now += DrawingTime;  // time passes without timers firing, as in a busy event loop
    }
    void ShowRunning(bool running) override { Running = running; }
    void ShowStartEnabled(bool enabled) override { StartEnabled = enabled; }
    void ShowRates(const QString &words, const QString &symbols) override
    {
        Words = words;
        Symbols = symbols;
        ++RateUpdates;
    }
    void ShowIndicators(bool shown) override { IndicatorsShown = shown; }
    void ShowClock(const QString &text) override { Clock = text; }
    void ShowSettings(const SpeedReaderSettings &settings) override { Settings = settings; }
    void ShowContext(const ReadingContext &context) override { Context = context; }
    void FocusTabControl() override { ++Focused; }
    int DisplayWidth() const override { return Width; }
    bool SpeedReaderTabShown() const override { return TabShown; }
    bool ApplicationActive() const override { return Active; }

    QStringList GroupTexts() const
    {
        QStringList texts;
        for (const Shown &s : Groups)
            texts << s.group;
        return texts;
    }
    QList<qint64> Times() const
    {
        QList<qint64> times;
        for (const Shown &s : Groups)
            times << s.at;
        return times;
    }

    ManualClock &clock;
    QList<Shown> Groups;
    bool Running = false;
    bool StartEnabled = true;
    QString Words = "0 ", Symbols = "0 ", Clock;
    int RateUpdates = 0;
    bool IndicatorsShown = true;
    SpeedReaderSettings Settings;
    ReadingContext Context;
    int Focused = 0;
    int Width = 10000;
    bool TabShown = true;
    bool Active = true;
    qint64 DrawingTime = 0;
};
