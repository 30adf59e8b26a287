#include "app/SoundPage.h"
#include "app/ColumnLayout.h"
#include "app/TSound.h"
#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace {

// The tab holds all of it at the first-run window size: rows close together.
constexpr int RowSpacing = 4, PanelMargin = 2;

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
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(CompactGroupMargins);
    layout->addWidget(sound);
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
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(RowSpacing);
    left->addWidget(CbAutoActive);
    left->addStretch(1);
    LbTest = new QLabel(QStringLiteral("Lektavo"), PnSoundLeft);
    LbTest->setObjectName("LbTest");
    LbTest->hide();

    auto *right = new QVBoxLayout(PnSoundRight);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(RowSpacing);
    GbEnglish = VoiceGroup("GbEnglish", QStringLiteral("Английский"), Sound1, "Sound1", foreign, PnSoundRight);
    GbRussian = VoiceGroup("GbRussian", QStringLiteral("Русский"), Sound2, "Sound2", russian, PnSoundRight);
    right->addStretch(1);

    auto *sides = new QHBoxLayout(PnSound);
    sides->setContentsMargins(0, PanelMargin, 0, PanelMargin);
    sides->addWidget(PnSoundLeft, 1);
    sides->addWidget(PnSoundRight, 1);
    (new QVBoxLayout(tsSound))->addWidget(PnSound);
    columns = new TwoColumns(PnSound, PnSoundLeft, PnSoundRight);
    columns->AddRightRows({GbEnglish, GbRussian});
}

void SoundPage::AddToLeftColumn(QWidget *part, QList<QWidget *> rows)
{
    AddAtColumnEnd(PnSoundLeft, part);
    columns->AddLeftRows(rows);
}

void SoundPage::AddBelowVoices(QWidget *row)
{
    AddAtColumnEnd(PnSoundRight, row);
    columns->AddRightRows({row});
}

void SoundPage::AddAtColumnEnd(QWidget *column, QWidget *part)
{
    part->setParent(column);
    auto *layout = static_cast<QBoxLayout *>(column->layout());
    layout->insertWidget(layout->count() - 1, part);  // above the closing stretch
}
