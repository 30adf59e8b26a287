#include "app/TSound.h"
#include "app/Accessibility.h"
#include "app/Application.h"
#include "platform/TDirectSS.h"
#include <QActionGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

TSound::TSound(const QString &name, std::unique_ptr<TDirectSS> engine, QWidget *parent)
    : QFrame(parent), ds(std::move(engine)), timer1(this), panel(*ds, timer1)
{
    setObjectName(name);
    setToolTip(QString::fromUtf8(Hint));
    BuildControls();
    BuildPuSound();
    panel.SetView(this);
    timer1.OnTimer = [this] { Run([&] { panel.Timer1Timer(); }); };
}

TSound::~TSound()
{
    panel.SetView(nullptr);
}

// An engine error ends the handler it happened in and goes to the program's error handler here,
// before it could unwind through Qt's signal delivery.
template <typename Handler>
void TSound::Run(Handler handler)
{
    try {
        handler();
    } catch (const std::exception &) {
        LektavoApplication::ApplicationEvents1Exception();
    }
}

void TSound::BuildControls()
{
    CbMainCopy = new QComboBox(this);
    CbMainCopy->setObjectName("CbMainCopy");
    NameAfterComponent(CbMainCopy);
    connect(CbMainCopy, &QComboBox::activated, this, [this](int index) {
        Run([&] { panel.CbMainCopyChange(index); });
    });

    BitBtn2 = new QToolButton(this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    ShowTestPhrase(VoicePanel::EnglishPhrase);
    connect(BitBtn2, &QToolButton::clicked, this, [this] { Run([&] { panel.BtHowISpeakClick(); }); });

    LbSpeed = new QLabel(QStringLiteral("Скорость"), this);
    LbSpeed->setObjectName("LbSpeed");
    LbPitch = new QLabel(QStringLiteral("Высота"), this);
    LbPitch->setObjectName("LbPitch");
    Label1 = new QLabel(QStringLiteral("Громкость"), this);
    Label1->setObjectName("Label1");
    SbSpeed = NewSlider("SbSpeed", LbSpeed, &VoicePanel::MoveSbSpeed);
    SbPitch = NewSlider("SbPitch", LbPitch, &VoicePanel::MoveSbPitch);
    SbVolume = NewSlider("SbVolume", Label1, &VoicePanel::MoveSbVolume);
    SbSpeed->installEventFilter(this);
    SbPitch->installEventFilter(this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(CbMainCopy, 0, 0, 1, 2);
    grid->addWidget(BitBtn2, 0, 2);
    int row = 1;
    for (auto [caption, slider] : {std::pair{LbSpeed, SbSpeed}, {LbPitch, SbPitch}, {Label1, SbVolume}}) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(slider, row++, 1, 1, 2);
    }
    grid->setColumnStretch(1, 1);
}

QSlider *TSound::NewSlider(const char *name, QLabel *caption, void (VoicePanel::*move)(int))
{
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(name);
    slider->setRange(VoicePanel::SliderMin, VoicePanel::SliderMax);
    slider->setPageStep(5);
    slider->setFocusPolicy(Qt::StrongFocus);
    caption->setBuddy(slider);
    connect(slider, &QSlider::valueChanged, this, [this, move](int position) {
        Run([&] { (panel.*move)(position); });
    });
    return slider;
}

void TSound::BuildPuSound()
{
    PuSound = new QMenu(this);
    PuSound->setObjectName("PuSound");
    const auto add = [this](const char *name, const QString &caption, void (VoicePanel::*click)()) {
        QAction *action = PuSound->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, click] { Run([&] { (panel.*click)(); }); });
        return action;
    };
    const auto separator = [this](const char *name) {
        QAction *action = PuSound->addSeparator();
        action->setObjectName(name);
        return action;
    };

    PuSoundSpeakEnglish = add("PuSoundSpeakEnglish", VoicePanel::EnglishPhrase, &VoicePanel::PuSoundSpeakEnglishClick);
    PuSoundSpeakRussian = add("PuSoundSpeakRussian", VoicePanel::RussianPhrase, &VoicePanel::PuSoundSpeakRussianClick);
    N5 = separator("N5");
    PuSoundAllEnjines = add("PuSoundAllEnjines", QStringLiteral("Все голоса"), &VoicePanel::PuSoundAllEnjinesClick);
    PuSoundEnglishEnjines = add("PuSoundEnglishEnjines", QStringLiteral("Английские голоса (рекомендуемые)"),
                                &VoicePanel::PuSoundEnglishEnjinesClick);
    PuSoundRussianEnjines = add("PuSoundRussianEnjines", QStringLiteral("Русские голоса (рекомендуемые)"),
                                &VoicePanel::PuSoundRussianEnjinesClick);
    N1 = separator("N1");
    PuSoundAllDefault = add("PuSoundAllDefault", QStringLiteral("Все голоса настроить по умолчанию"),
                            &VoicePanel::PuSoundAllDefaultClick);
    PuSoundAllTheSame = add("PuSoundAllTheSame", QStringLiteral("Все голоса настроить как текущий"),
                            &VoicePanel::PuSoundAllTheSameClick);

    auto *filters = new QActionGroup(this);
    filters->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction *item : {PuSoundAllEnjines, PuSoundEnglishEnjines, PuSoundRussianEnjines}) {
        item->setCheckable(true);
        filters->addAction(item);
    }
    PuSoundAllEnjines->setChecked(true);
}

void TSound::PuSoundPopup()
{
    QAction *const filterItems[] = {PuSoundAllEnjines, PuSoundEnglishEnjines, PuSoundRussianEnjines};
    for (int filter = 0; filter < VoicePanel::FilterCount; ++filter)
        filterItems[filter]->setChecked(filter == panel.CbLanguageIndex());
    PuSoundSpeakEnglish->setVisible(!panel.IsRussianVoice());
    PuSoundSpeakRussian->setVisible(panel.IsRussianVoice());
}

void TSound::contextMenuEvent(QContextMenuEvent *event)
{
    PuSoundPopup();
    PuSound->exec(event->globalPos());
}

// Speed and pitch reach the engine when their slider is left; entering one stops the voice.
bool TSound::eventFilter(QObject *watched, QEvent *event)
{
    const bool entered = event->type() == QEvent::FocusIn;
    if (entered || event->type() == QEvent::FocusOut) {
        if (watched == SbSpeed)
            Run([&] { entered ? panel.SbSpeedEnter() : panel.SbSpeedExit(); });
        else if (watched == SbPitch)
            Run([&] { entered ? panel.SbPitchEnter() : panel.SbPitchExit(); });
    }
    return QFrame::eventFilter(watched, event);
}

void TSound::ShowVoices(const QStringList &names)
{
    const QSignalBlocker blocker(CbMainCopy);
    CbMainCopy->clear();
    CbMainCopy->addItems(names);
}

void TSound::ShowVoiceIndex(int index)
{
    const QSignalBlocker blocker(CbMainCopy);
    CbMainCopy->setCurrentIndex(index);
}

void TSound::ShowSpeed(int position)
{
    const QSignalBlocker blocker(SbSpeed);
    SbSpeed->setValue(position);
}

void TSound::ShowPitch(int position)
{
    const QSignalBlocker blocker(SbPitch);
    SbPitch->setValue(position);
}

void TSound::ShowVolume(int position)
{
    const QSignalBlocker blocker(SbVolume);
    SbVolume->setValue(position);
}

void TSound::ShowTestPhrase(const QString &phrase)
{
    BitBtn2->setAccessibleName(phrase);
}
