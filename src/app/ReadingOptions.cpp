#include "app/ReadingOptions.h"
#include "app/ColumnLayout.h"
#include "app/Handlers.h"
#include "reading/ClipboardMonitor.h"
#include "reading/ReadingController.h"
#include "reading/ReadingView.h"
#include <QAction>
#include <QButtonGroup>
#include <algorithm>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int ItemSpacing = 0, GroupSpacing = 4;

QGroupBox *NewGroup(QWidget *parent, const char *name, const QString &title = {})
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setAccessibleName(title.isEmpty() ? QString::fromLatin1(name) : title);
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(CompactGroupMargins);
    layout->setSpacing(ItemSpacing);
    parent->layout()->addWidget(group);
    return group;
}

QCheckBox *NewCheckBox(QGroupBox *group, const char *name, const QString &caption, const QString &hint)
{
    auto *box = new QCheckBox(caption, group);
    box->setObjectName(name);
    box->setAccessibleName(caption.trimmed());
    box->setToolTip(hint);
    box->setChecked(true);
    group->layout()->addWidget(box);
    return box;
}

// Unchecked, placed by the window; a long caption never widens the column it goes to.
QCheckBox *NewOwnBox(const char *name, const QString &caption, const QString &hint)
{
    auto *box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setToolTip(hint);
    box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return box;
}

} // namespace

ReadingOptions::ReadingOptions(QWidget *parent) : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(GroupSpacing);

    Gb222 = NewGroup(this, "Gb222");
    auto *pauseRow = new QHBoxLayout;
    UpDown1 = new QSpinBox(Gb222);
    UpDown1->setObjectName("UpDown1");
    UpDown1->setRange(0, 30);
    UpDown1->setValue(DefaultExtraPause);
    UpDown1->setToolTip(QStringLiteral("Дополнительная пауза в конце каждого предложения"));
    UpDown1->setAccessibleName(QStringLiteral("Дополнит. задержка"));
    Edit4 = UpDown1->findChild<QLineEdit *>();
    Edit4->setObjectName("Edit4");
    Edit4->setReadOnly(true);  // the arrows and keys step it; nothing is typed
    auto *caption = new QLabel(QStringLiteral("  Дополнит. задержка"), Gb222);
    caption->setBuddy(UpDown1);
    pauseRow->addWidget(UpDown1);
    pauseRow->addWidget(caption, 1);
    static_cast<QVBoxLayout *>(Gb222->layout())->addLayout(pauseRow);

    Gb2222 = NewGroup(this, "Gb2222");
    CbLangApart = NewCheckBox(Gb2222, "CbLangApart", QStringLiteral("Различать языки"),
                              QStringLiteral("Читать английский и русский разными голосами"));
    CbAbbreviations = NewOwnBox("CbAbbreviations", QStringLiteral("Учитывать сокращения"),
                                QStringLiteral("Точка после «т. е.», «г.», «Mr.» и инициалов не кончает предложения"));
    AcEnglishRuns = new QAction(EnglishRunsCaption, this);
    AcEnglishRuns->setObjectName("AcEnglishRuns");
    AcEnglishRuns->setCheckable(true);

    Gb22222 = NewGroup(this, "Gb22222");
    CbAutoBuffer = NewCheckBox(Gb22222, "CbAutoBuffer", QStringLiteral("Посылать в буфер "),
                               QStringLiteral("Одно выделенное слово автоматически посылать в буфер"));
    CbIgnoreLong = NewCheckBox(Gb22222, "CbIgnoreLong", QStringLiteral("Игнорировать длиннее 50"),
                               QStringLiteral("Не получать из буфера длинные тексты"));
    CbIgnoreLong->setEnabled(false);  // RgLangs starts at "Ничего не получать"

    RgLangs = NewGroup(this, "RgLangs", QStringLiteral("Что получать из буфера"));
    langsItems = new QButtonGroup(RgLangs);
    const QString captions[] = {QStringLiteral("Иностранный и русский"), QStringLiteral("Иностранный"),
                                QStringLiteral("Русский"), QStringLiteral("Ничего не получать")};
    for (int i = 0; i < 4; ++i) {
        auto *item = new QRadioButton(captions[i], RgLangs);
        item->setObjectName(QStringLiteral("RgLangsItem%1").arg(i));
        item->setAccessibleName(captions[i]);
        langsItems->addButton(item, i);
        RgLangs->layout()->addWidget(item);
    }
    langsItems->button(LangsNothing)->setChecked(true);
}

QList<QWidget *> ReadingOptions::Rows() const
{
    return {Gb222, Gb2222, Gb22222, RgLangs};
}

int ReadingOptions::LangsIndex() const
{
    return langsItems->checkedId();
}

// An index beyond the last item chooses the last, "Ничего не получать".
void ReadingOptions::SetLangsIndex(int index)
{
    langsItems->button(std::clamp(index, 0, int(LangsNothing)))->setChecked(true);
}

ReadingController::Options ReadingOptions::Current() const
{
    return {UpDown1->value(), CbLangApart->isChecked(), CbAutoBuffer->isChecked(), CbIgnoreLong->isChecked(),
            LangsIndex(), CbAbbreviations->isChecked(), AcEnglishRuns->isChecked()};
}

// The options go first, so that each click handler finds them changed.
void ReadingOptions::ConnectTo(ReadingController &controller, ClipboardMonitor &monitor)
{
    const auto tell = [this, &controller] { controller.SetOptions(Current()); };
    OnSignal(UpDown1, &QSpinBox::valueChanged, this, "UpDown1Click", tell);
    for (QCheckBox *box : {CbLangApart, CbAutoBuffer, CbIgnoreLong, CbAbbreviations})
        OnSignal(box, &QCheckBox::toggled, this, "the reading options", tell);
    OnSignal(AcEnglishRuns, &QAction::toggled, this, "the reading options", tell);
    OnSignal(langsItems, &QButtonGroup::idToggled, this, "the reading options", tell);
    tell();
    OnSignal(CbLangApart, &QCheckBox::toggled, this, "CbLangApartClick",
             [&controller] { controller.CbLangApartClick(); });
    OnSignal(CbAutoBuffer, &QCheckBox::toggled, this, "CbAutoBufferClick", [&monitor] { monitor.CbAutoBufferClick(); });
    OnSignal(langsItems, &QButtonGroup::idToggled, this, "RgLangsClick", [&monitor](int, bool checked) {
        if (checked)
            monitor.RgLangsClick();
    });
}
