#pragma once
#include "platform/Timer.h"
#include <QObject>
#include <QTimer>

// A Timer over a precise QTimer: ticks keep to the millisecond, which the pauses between sentences
// and the speed reader's pace rely on.
class QtTimer : public QObject, public Timer {
    Q_OBJECT
public:
    explicit QtTimer(QObject *parent = nullptr);

    void SetInterval(int milliseconds) override;
    int Interval() const override;
    void SetEnabled(bool enabled) override;
    bool Enabled() const override;
    void SetSingleShot(bool singleShot) override;

private:
    QTimer timer;
};
