#include "app/CaptionTimer.h"
#include "platform/Timer.h"

CaptionTimer::CaptionTimer(Timer &tmCaption, std::function<void(const QString &)> setCaption,
                           QString initialCaption)
    : tmCaption(tmCaption), setCaption(std::move(setCaption)), initialCaption(std::move(initialCaption))
{
    tmCaption.SetSingleShot(true);
    tmCaption.SetInterval(Interval);
    tmCaption.OnTimer = [this] { TmCaptionTimer(); };
}

void CaptionTimer::ShowMessage(const QString &message)
{
    setCaption(message);
    tmCaption.SetEnabled(true);
}

void CaptionTimer::TmCaptionTimer()
{
    tmCaption.SetEnabled(false);
    setCaption(initialCaption);
}

void CaptionTimer::Restore()
{
    setCaption(initialCaption);
}
