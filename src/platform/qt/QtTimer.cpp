#include "platform/qt/QtTimer.h"
#include "platform/Guarded.h"

QtTimer::QtTimer(QObject *parent) : QObject(parent)
{
    timer.setTimerType(Qt::PreciseTimer);
    // A single-shot QTimer is already inactive when it emits timeout, as Timer promises.
    connect(&timer, &QTimer::timeout, this, [this] {
        if (OnTimer)
            Guarded(qPrintable(objectName()), OnTimer);
    });
}

void QtTimer::SetInterval(int milliseconds)
{
    timer.setInterval(milliseconds);  // restarts an active timer
}

int QtTimer::Interval() const
{
    return timer.interval();
}

void QtTimer::SetEnabled(bool enabled)
{
    if (!enabled)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

bool QtTimer::Enabled() const
{
    return timer.isActive();
}

void QtTimer::SetSingleShot(bool singleShot)
{
    timer.setSingleShot(singleShot);
}
