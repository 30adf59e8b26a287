#include "app/TSound.h"
#include "app/Accessibility.h"
#include "app/Handlers.h"
#include "app/ShowQuietly.h"
#include "voices/VoicePanel.h"
#include <QActionGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

TSound::TSound(const QString &name, VoicePanel &panel, QWidget *parent) : QFrame(parent), panel(panel)
{
    setObjectName(name);
    setToolTip(QString::fromUtf8(Hint));
    BuildControls();
    BuildPuSound();
    panel.SetView(this);
}

TSound::~TSound()
{
    panel.SetView(nullptr);
}

void TSound::BuildControls()
{
    CbMainCopy = new QComboBox(this);
    CbMainCopy->setObjectName("CbMainCopy");
    NameAfterComponent(CbMainCopy);
    OnSignal(CbMainCopy, &QComboBox::activated, this, "CbMainCopyChange",
             [this](int index) { panel.CbMainCopyChange(index); });

    BitBtn2 = new QToolButton(this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    ShowTestPhrase(VoicePanel::EnglishPhrase);
    OnSignal(BitBtn2, &QToolButton::clicked, this, "BtHowISpeakClick", [this] { panel.BtHowISpeakClick(); });

    LbSpeed = new QLabel(QStringLiteral("Скорость"), this);
    LbSpeed->setObjectName("LbSpeed");
    LbPitch = new QLabel(QStringLiteral("Высота"), this);
    LbPitch->setObjectName("LbPitch");
    Label1 = new QLabel(QStringLiteral("Громкость"), this);
    Label1->setObjectName("Label1");
    SbSpeed = NewSlider("SbSpeed", LbSpeed, &VoicePanel::MoveSbSpeed, &VoicePanel::SbSpeedExit);
    SbPitch = NewSlider("SbPitch", LbPitch, &VoicePanel::MoveSbPitch, &VoicePanel::SbPitchExit);
    SbVolume = NewSlider("SbVolume", Label1, &VoicePanel::MoveSbVolume, nullptr);
    SbSpeed->installEventFilter(this);
    SbPitch->installEventFilter(this);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(CbMainCopy, 0, 0, 1, 2);
    grid->addWidget(BitBtn2, 0, 2);
    int row = 1;
    for (auto [caption, slider] : {std::pair{LbSpeed, SbSpeed}, {LbPitch, SbPitch}, {Label1, SbVolume}}) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(slider, row++, 1, 1, 2);
    }
    grid->setColumnStretch(1, 1);
}

// A position set while the slider has no focus (by a screen reader, by the wheel) is not followed
// by leaving the slider: it is applied at once.
QSlider *TSound::NewSlider(const char *name, QLabel *caption, void (VoicePanel::*move)(int),
                           void (VoicePanel::*apply)())
{
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(name);
    slider->setRange(VoicePanel::SliderMin, VoicePanel::SliderMax);
    slider->setPageStep(5);
    slider->setFocusPolicy(Qt::StrongFocus);
    caption->setBuddy(slider);
    OnSignal(slider, &QSlider::valueChanged, this, name, [this, slider, move, apply](int position) {
        (panel.*move)(position);
        if (apply && !slider->hasFocus())
            (panel.*apply)();
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
        OnSignal(action, &QAction::triggered, this, name, [this, click] { (panel.*click)(); });
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
    PuSound->popup(event->globalPos());
}

// Speed and pitch reach the engine when their slider is left; entering one stops the voice.
bool TSound::eventFilter(QObject *watched, QEvent *event)
{
    const bool entered = event->type() == QEvent::FocusIn;
    if (entered || event->type() == QEvent::FocusOut) {
        if (watched == SbSpeed)
            Guarded("SbSpeed focus", [&] { entered ? panel.SbSpeedEnter() : panel.SbSpeedExit(); });
        else if (watched == SbPitch)
            Guarded("SbPitch focus", [&] { entered ? panel.SbPitchEnter() : panel.SbPitchExit(); });
    }
    return QFrame::eventFilter(watched, event);
}

void TSound::ShowVoices(const QStringList &names)
{
    ShowQuietly(CbMainCopy, &QComboBox::clear);
    ShowQuietly(CbMainCopy, &QComboBox::addItems, names);
}

void TSound::ShowVoiceIndex(int index)
{
    ShowQuietly(CbMainCopy, &QComboBox::setCurrentIndex, index);
}

void TSound::ShowSpeed(int position)
{
    ShowQuietly(SbSpeed, &QSlider::setValue, position);
}

void TSound::ShowPitch(int position)
{
    ShowQuietly(SbPitch, &QSlider::setValue, position);
}

void TSound::ShowVolume(int position)
{
    ShowQuietly(SbVolume, &QSlider::setValue, position);
}

void TSound::ShowTestPhrase(const QString &phrase)
{
    BitBtn2->setAccessibleName(phrase);
}
