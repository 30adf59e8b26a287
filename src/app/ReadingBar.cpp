#include "app/ReadingBar.h"
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
    auto on = [](QPushButton *button, auto handler) {
        QObject::connect(button, &QPushButton::clicked, button, handler);
    };
    on(BtStartSpeaking, [&controller] { controller.BtStartSpeakingClick(); });
    on(BtStopSpeaking, [&controller] { controller.AcStopSpeakingExecute(); });
    on(BtStartBuffer, [&controller] { controller.BtStartBufferClick(); });
    on(BtStopBuffer, [&controller] { controller.AcStopBufferExecute(); });
    on(BtPause, [&controller] { controller.BtPauseClick(); });
    on(BtResume, [&controller] { controller.BtResumeClick(); });
}
