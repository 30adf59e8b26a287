#pragma once
#include <QString>
#include <functional>

class Timer;

// Messages shown for a while in the window title. TmCaption gives the title back 20 seconds after
// the first of several messages: a message while it counts does not restart it.
class CaptionTimer {
public:
    static constexpr int Interval = 20000;

    CaptionTimer(Timer &tmCaption, std::function<void(const QString &)> setCaption, QString initialCaption);
    CaptionTimer(const CaptionTimer &) = delete;
    CaptionTimer &operator=(const CaptionTimer &) = delete;

    void ShowMessage(const QString &message);
    void Restore();  // the title as it was at the start, at once
    void TmCaptionTimer();

private:
    Timer &tmCaption;
    std::function<void(const QString &)> setCaption;
    QString initialCaption;
};
