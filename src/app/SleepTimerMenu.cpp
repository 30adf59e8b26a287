#include "app/SleepTimerMenu.h"
#include "app/Handlers.h"
#include "platform/TDirectSS.h"
#include "settings/OptionsStore.h"
#include <QActionGroup>
#include <QMenu>
#include <QWidget>
#include <cmath>

SleepTimerMenu::SleepTimerMenu(const Parts &parts)
    : parts(parts), caption(parts.window.windowTitle()), tick(this),
      sleep(parts.reading, tick, parts.clock,
            {[this](double volume) { SetVolume(volume); }, [this] { ShowMinutesLeft(); }})
{
    tick.setObjectName("TmSleepTimer");
    BuildMenu(parts.viewMenu);
}

void SleepTimerMenu::BuildMenu(QMenu *viewMenu)
{
    QMenu *menu = viewMenu->addMenu(QStringLiteral("Таймер сна"));
    menu->setObjectName("MnSleepTimer");
    auto *group = new QActionGroup(menu);
    const QString captions[SleepTimer::ChoiceCount] = {
        QStringLiteral("Выключен"), QStringLiteral("15 минут"),    QStringLiteral("30 минут"),
        QStringLiteral("45 минут"), QStringLiteral("60 минут"), QStringLiteral("До конца главы")};
    const int chosen = std::clamp(parts.options.Chosen(OptionsStore::Choice::SleepTimer), 0, SleepTimer::ChoiceCount - 1);
    for (int item = 0; item < SleepTimer::ChoiceCount; ++item) {
        QAction *action = menu->addAction(captions[item]);
        action->setObjectName(QStringLiteral("MnSleep%1").arg(item));
        action->setCheckable(true);
        action->setChecked(item == chosen);
        group->addAction(action);
        OnSignal(action, &QAction::triggered, this, "Таймер сна", [this, item] { Choose(item); });
    }
    sleep.Choose(SleepTimer::Choice(chosen));
}

void SleepTimerMenu::Choose(int item)
{
    parts.options.Choose(OptionsStore::Choice::SleepTimer, item);
    sleep.Choose(SleepTimer::Choice(item));
}

// Each voice fades from the volume its panel gave it and gets it back at the end.
void SleepTimerMenu::SetVolume(double volume)
{
    TDirectSS *voices[] = {&parts.foreign, &parts.russian};
    for (int voice = 0; voice < 2; ++voice) {
        TDirectSS &engine = *voices[voice];
        Guarded("the voice's fade", [&] {
            if (fullVolumes[voice] < 0)
                fullVolumes[voice] = engine.VolumeLeft();
            const int minimum = engine.MinVolumeLeft();
            const int level = minimum + int(std::lround((fullVolumes[voice] - minimum) * volume));
            engine.SetVolumeLeft(level);
            engine.SetVolumeRight(level);
            if (volume >= 1.0)
                fullVolumes[voice] = -1;
        });
    }
}

// Not while the title shows a message of its own.
void SleepTimerMenu::ShowMinutesLeft()
{
    if (!parts.window.windowTitle().startsWith(caption))
        return;
    const auto minutes = sleep.MinutesLeft();
    parts.window.setWindowTitle(minutes ? QStringLiteral("%1 — сон через %2 мин").arg(caption).arg(*minutes) : caption);
}
