#include "app/ReadingBar.h"
#include "app/Handlers.h"
#include "reading/ReadingController.h"
#include <QBoxLayout>
#include <QPushButton>

namespace {

QBoxLayout *RowOf(QWidget *bar)
{
    if (auto *row = qobject_cast<QBoxLayout *>(bar->layout()))
        return row;
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    return row;
}

QPushButton *NewButton(QWidget *bar, const char *name, const QString &caption, bool shown)
{
    auto *button = new QPushButton(caption, bar);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setVisible(shown);
    RowOf(bar)->addWidget(button);
    return button;
}

} // namespace

ReadingBar::ReadingBar(QWidget *pnReTop)
    : BtStartSpeaking(NewButton(pnReTop, "BtStartSpeaking", QStringLiteral("Вслух"), true)),
      BtStopSpeaking(NewButton(pnReTop, "BtStopSpeaking", QStringLiteral("Стоп"), false)),
      BtStartBuffer(NewButton(pnReTop, "BtStartBuffer", QStringLiteral("Буфер"), true)),
      BtStopBuffer(NewButton(pnReTop, "BtStopBuffer", QStringLiteral("Стоп"), false)),
      BtPause(NewButton(pnReTop, "BtPause", QStringLiteral("Пауза"), true)),
      BtResume(NewButton(pnReTop, "BtResume", QStringLiteral("Продолжить"), false))
{
    BtPause->setEnabled(false);
    RowOf(pnReTop)->addStretch(1);
}

QPushButton *ReadingBar::Button(ReadingButton button) const
{
    switch (button) {
    case ReadingButton::StartSpeaking: return BtStartSpeaking;
    case ReadingButton::StopSpeaking: return BtStopSpeaking;
    case ReadingButton::StartBuffer: return BtStartBuffer;
    case ReadingButton::StopBuffer: return BtStopBuffer;
    case ReadingButton::Pause: return BtPause;
    case ReadingButton::Resume: return BtResume;
    }
    return nullptr;
}

void ReadingBar::ConnectTo(ReadingController &controller)
{
    const auto on = [&controller](QPushButton *button, const char *what, void (ReadingController::*click)()) {
        OnSignal(button, &QPushButton::clicked, button, what, [&controller, click] { (controller.*click)(); });
    };
    on(BtStartSpeaking, "BtStartSpeakingClick", &ReadingController::BtStartSpeakingClick);
    on(BtStopSpeaking, "AcStopSpeaking", &ReadingController::AcStopSpeakingExecute);
    on(BtStartBuffer, "BtStartBufferClick", &ReadingController::BtStartBufferClick);
    on(BtStopBuffer, "AcStopBuffer", &ReadingController::AcStopBufferExecute);
    on(BtPause, "BtPauseClick", &ReadingController::BtPauseClick);
    on(BtResume, "BtResumeClick", &ReadingController::BtResumeClick);
}
