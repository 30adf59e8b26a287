#pragma once
#include "platform/qt/QtTimer.h"
#include "workspace/SleepTimer.h"
#include <QObject>
#include <array>

class Clock;
class OptionsStore;
class QMenu;
class QWidget;
class ReadingController;
class TDirectSS;

// "Таймер сна" in "Вид": its items, the choice kept in the options, the minutes left in the
// window title beside the program's name, and the fade of both voices.
class SleepTimerMenu : public QObject {
public:
    struct Parts {
        QWidget &window;
        QMenu *viewMenu;
        OptionsStore &options;
        ReadingController &reading;
        TDirectSS &foreign, &russian;
        const Clock &clock;
    };
    explicit SleepTimerMenu(const Parts &parts);

    void ReadingChanged() { sleep.ReadingChanged(); }
    void PieceStarted(const QString &piece) { sleep.PieceStarted(piece); }

private:
    void BuildMenu(QMenu *viewMenu);
    void Choose(int item);
    void SetVolume(double volume);
    void ShowMinutesLeft();

    Parts parts;
    QString caption;  // the window's title without the minutes
    QtTimer tick;
    SleepTimer sleep;
    std::array<int, 2> fullVolumes = {-1, -1};  // of the voices while they fade
};
