#include "app/SoundPage.h"
#include "app/ColumnLayout.h"
#include "app/TSound.h"
#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace {

QWidget *NamedPanel(const char *name, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

QGroupBox *VoiceGroup(const char *name, const QString &title, TSound *&sound, const char *soundName,
                      VoicePanel &panel, QWidget *column)
{
    auto *group = new QGroupBox(title, column);
    group->setObjectName(name);
    sound = new TSound(soundName, panel, group);
    (new QVBoxLayout(group))->addWidget(sound);
    column->layout()->addWidget(group);
    return group;
}

} // namespace

SoundPage::SoundPage(QWidget *tsSound, VoicePanel &foreign, VoicePanel &russian)
{
    PnSound = NamedPanel("PnSound", tsSound);
    PnSoundLeft = NamedPanel("PnSoundLeft", PnSound);
    PnSoundRight = NamedPanel("PnSoundRight", PnSound);

    CbAutoActive = new QCheckBox(QStringLiteral("Активизир. от Vornika"), PnSoundLeft);
    CbAutoActive->setObjectName("CbAutoActive");
    CbAutoActive->setToolTip(QStringLiteral(
        "Окно активизируется, после того, как Vornika занесли слово к себе в словарь, или от Telmuno"));
    auto *left = new QVBoxLayout(PnSoundLeft);
    left->addWidget(CbAutoActive);
    left->addStretch(1);
    LbTest = new QLabel(QStringLiteral("Lektavo"), PnSoundLeft);
    LbTest->setObjectName("LbTest");
    LbTest->hide();

    new QVBoxLayout(PnSoundRight);
    GbEnglish = VoiceGroup("GbEnglish", QStringLiteral("Английский"), Sound1, "Sound1", foreign, PnSoundRight);
    GbRussian = VoiceGroup("GbRussian", QStringLiteral("Русский"), Sound2, "Sound2", russian, PnSoundRight);
    static_cast<QVBoxLayout *>(PnSoundRight->layout())->addStretch(1);

    auto *columns = new QHBoxLayout(PnSound);
    columns->addWidget(PnSoundLeft, 1);
    columns->addWidget(PnSoundRight, 1);
    (new QVBoxLayout(tsSound))->addWidget(PnSound);
}

void SoundPage::AddToLeftColumn(QWidget *part, QList<QWidget *> rows)
{
    part->setParent(PnSoundLeft);
    auto *column = static_cast<QBoxLayout *>(PnSoundLeft->layout());
    column->insertWidget(column->count() - 1, part);
    leftRows += rows;
}

void SoundPage::LayColumns(int half)
{
    JoinColumns(PnSoundLeft, half);
    const int width = half - 19;
    LayColumn(PnSoundLeft, 10, width, leftRows);
    LayColumn(PnSoundRight, 5, width, {GbEnglish, GbRussian});
}
