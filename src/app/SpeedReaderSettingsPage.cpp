#include "SpeedReaderSettingsPage.h"
#include "Accessibility.h"
#include "ColumnLayout.h"
#include "DoubleClickFrame.h"
#include "Handlers.h"
#include "ShowQuietly.h"
#include "speedreader/SpeedReaderController.h"
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QWidget *Column(const char *name, QWidget *parent)
{
    auto *column = new QWidget(parent);
    column->setObjectName(name);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    return column;
}

DoubleClickFrame *Row(const char *name, QWidget *column, const QString &hint)
{
    auto *row = new DoubleClickFrame(name, column);
    row->setFrameShape(QFrame::StyledPanel);
    row->setToolTip(hint);
    new QHBoxLayout(row);
    column->layout()->addWidget(row);
    return row;
}

QSpinBox *RowWithSpinBox(DoubleClickFrame *row, const char *spinName, const QString &caption,
                         int minimum, int maximum)
{
    auto *label = new QLabel(caption, row);
    label->setWordWrap(true);  // a long caption takes two lines in a narrow window
    QSizePolicy policy = label->sizePolicy();  // keeps the height following the width
    policy.setHorizontalPolicy(QSizePolicy::Expanding);
    label->setSizePolicy(policy);
    row->setAccessibleName(caption.trimmed());
    auto *spin = new QSpinBox(row);
    spin->setObjectName(spinName);
    spin->setRange(minimum, maximum);
    spin->setKeyboardTracking(false);
    spin->setToolTip(row->toolTip());
    NameAfterLabel(spin, label);
    row->layout()->addWidget(label);
    row->layout()->addWidget(spin);
    return spin;
}

QCheckBox *RowWithCheckBox(DoubleClickFrame *row, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, row);
    box->setObjectName(name);
    row->setAccessibleName(caption);
    row->layout()->addWidget(box);
    return box;
}

// The program's own switches, one under the other without the rows' margins: the tab holds them
// at the first-run size.
QFrame *SwitchesPanel(QWidget *column)
{
    auto *panel = new QFrame(column);
    panel->setObjectName("PnSwitches");
    panel->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(CompactGroupMargins);
    layout->setSpacing(0);
    column->layout()->addWidget(panel);
    return panel;
}

QCheckBox *SwitchBox(QWidget *panel, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, panel);
    box->setObjectName(name);
    panel->layout()->addWidget(box);
    return box;
}

} // namespace

SpeedReaderSettingsPage::SpeedReaderSettingsPage(QWidget *pnSettings) : PnSettings(pnSettings)
{
    auto *heading = new QWidget(pnSettings);
    heading->setObjectName("PnSettingsTop");
    auto *title = new QLabel(QStringLiteral("Настройки Быстрочиталки"), heading);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    PnClock = new DoubleClickFrame("PnClock", heading);
    LbClock = new QLabel(QStringLiteral("0:00:00   "), PnClock);
    (new QHBoxLayout(PnClock))->addWidget(LbClock);
    PnClock->layout()->setContentsMargins(0, 0, 0, 0);
    NameAfterComponent(PnClock);
    ShowClock(LbClock->text());
    auto *headingLayout = new QHBoxLayout(heading);
    headingLayout->addWidget(title);
    headingLayout->addWidget(PnClock);
    headingLayout->addStretch();

    PnSettingsLeft = Column("PnSettingsLeft", pnSettings);
    PnSettingRight = Column("PnSettingRight", pnSettings);
    Pn22 = Row("Pn22", PnSettingsLeft, QStringLiteral("-> 8"));
    UdLetters = RowWithSpinBox(Pn22, "UdLetters",
                               QStringLiteral("Считать слово длинным, если оно длиннее чем:"),
                               SpeedReaderSettings::MinLetters, SpeedReaderSettings::MaxLetters);
    Pn33 = Row("Pn33", PnSettingsLeft, QStringLiteral("Дополнительная задержка на длинном слове"));
    UdLongWord = RowWithSpinBox(Pn33, "UdLongWord", QStringLiteral("  Длинное слово"), 0,
                                SpeedReaderSettings::MaxExtraTicks);
    Pn44 = Row("Pn44", PnSettingsLeft,
               QStringLiteral("Дополнительная задержка в конце предложения"));
    UdEndOfSentence = RowWithSpinBox(Pn44, "UdEndOfSentence", QStringLiteral("  Конец предложения"),
                                     0, SpeedReaderSettings::MaxExtraTicks);
    Pn55 = Row("Pn55", PnSettingsLeft,
               QStringLiteral("Дополнительная задержка на знаках припинания"));
    UdComma = RowWithSpinBox(Pn55, "UdComma", QStringLiteral("  Запятая, двоеточие, тсз"), 0,
                             SpeedReaderSettings::MaxExtraTicks);
    Pn66 = Row("Pn66", PnSettingRight, QStringLiteral("-> 20"));
    UdBack = RowWithSpinBox(Pn66, "UdBack", QStringLiteral("Стрелка вверх - возврат"), 0,
                            SpeedReaderSettings::MaxBack);
    UdBack->findChild<QLineEdit *>()->setObjectName("Edit3");
    Pn77 = Row("Pn77", PnSettingRight, QString());
    CbAutoStop = RowWithCheckBox(Pn77, "CbAutoStop", QStringLiteral("Пауза при неактивности"));
    Pn99 = Row("Pn99", PnSettingRight, QString());
    CbNonStop = RowWithCheckBox(Pn99, "CbNonStop", QStringLiteral("Читать бесконечно"));
    PnSwitches = SwitchesPanel(PnSettingRight);
    CbFocusPoint = SwitchBox(PnSwitches, "CbFocusPoint", QStringLiteral("Точка фиксации"));
    CbWordsPerMinute = SwitchBox(PnSwitches, "CbWordsPerMinute", QStringLiteral("Слов в минуту"));
    CbContextWhenStopped =
        SwitchBox(PnSwitches, "CbContextWhenStopped", QStringLiteral("Контекст при остановке"));
    CbSmoothStart = SwitchBox(PnSwitches, "CbSmoothStart", QStringLiteral("Плавный старт"));
    for (QWidget *column : {PnSettingsLeft, PnSettingRight})
        static_cast<QVBoxLayout *>(column->layout())->addStretch();

    auto *sides = new QHBoxLayout;
    sides->addWidget(PnSettingsLeft, 1);
    sides->addWidget(PnSettingRight, 1);
    auto *layout = new QVBoxLayout(pnSettings);
    layout->addWidget(heading);
    layout->addLayout(sides, 1);
    columns = new TwoColumns(pnSettings, PnSettingsLeft, PnSettingRight);
    columns->AddLeftRows({Pn22, Pn33, Pn44, Pn55});
    columns->AddRightRows({Pn66, Pn77, Pn99, PnSwitches});
}

void SpeedReaderSettingsPage::Attach(SpeedReaderController &c)
{
    using C = SpeedReaderController;
    const auto onValue = [&](QSpinBox *spin, const char *what, void (C::*handler)(int)) {
        OnSignal(spin, &QSpinBox::valueChanged, &connections, what, [&c, handler](int value) { (c.*handler)(value); });
    };
    onValue(UdLetters, "UdLettersClick", &C::SetLetters);
    onValue(UdLongWord, "UdLongWordClick", &C::SetLongWord);
    onValue(UdEndOfSentence, "UdEndOfSentenceClick", &C::SetEndOfSentence);
    onValue(UdComma, "UdCommaClick", &C::SetComma);
    onValue(UdBack, "UdBackClick", &C::SetBack);
    OnSignal(CbAutoStop, &QCheckBox::toggled, &connections, "CbAutoStopClick",
             [&c](bool checked) { c.SetAutoStop(checked); });
    OnSignal(CbNonStop, &QCheckBox::toggled, &connections, "CbNonStopClick",
             [&c](bool checked) { c.SetNonStop(checked); });

    PnClock->OnDoubleClick = [&c] { c.PnClockDblClick(); };
    Pn22->OnDoubleClick = [&c] { c.Pn22DblClick(); };
    Pn33->OnDoubleClick = [&c] { c.Pn33DblClick(); };
    Pn44->OnDoubleClick = [&c] { c.Pn44DblClick(); };
    Pn55->OnDoubleClick = [&c] { c.Pn55DblClick(); };
    Pn66->OnDoubleClick = [&c] { c.Pn66DblClick(); };
    ShowSettings(c.Settings());
}

void SpeedReaderSettingsPage::ShowSettings(const SpeedReaderSettings &settings)
{
    ShowQuietly(UdLetters, &QSpinBox::setValue, settings.Letters);
    ShowQuietly(UdLongWord, &QSpinBox::setValue, settings.LongWord);
    ShowQuietly(UdEndOfSentence, &QSpinBox::setValue, settings.EndOfSentence);
    ShowQuietly(UdComma, &QSpinBox::setValue, settings.Comma);
    ShowQuietly(UdBack, &QSpinBox::setValue, settings.Back);
    ShowQuietly(CbAutoStop, &QCheckBox::setChecked, settings.AutoStop);
    ShowQuietly(CbNonStop, &QCheckBox::setChecked, settings.NonStop);
}

void SpeedReaderSettingsPage::ShowClock(const QString &text)
{
    LbClock->setText(text);
    ShowAccessibleText(PnClock, text);
}

