#include "TLektavo.h"
#include "Accessibility.h"
#include "ReadingAloud.h"
#include "TFormHello.h"
#include "TSound.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/system/ForceForeground.h"
#include "platform/system/ProgramFolder.h"
#include "voices/LoadSound.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

static QWidget *NamedPanel(const char *name, QWidget *parent = nullptr)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

TLektavo::TLektavo(QStringList arguments, QString programFolder, QPointer<TFormHello> splash)
    : ProgramFolder(std::move(programFolder)), arguments(std::move(arguments)), splash(std::move(splash))
{
    setObjectName("Lektavo");
    setWindowTitle(QString::fromUtf8(Caption));
    setGeometry(55, 76, 594, 346);
    setMinimumSize(570, 300);
    BuildControls();
    FormCreate();
}

TLektavo::~TLektavo() = default;

void TLektavo::BuildControls()
{
    PnForm = NamedPanel("PnForm");
    PnPageControl = NamedPanel("PnPageControl", PnForm);
    PageControl1 = new QTabWidget(PnPageControl);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setTabPosition(QTabWidget::South);
    PageControl1->tabBar()->setStyleSheet("QTabBar::tab { width: 130px; height: 30px; }");

    TsRe = BuildReadingTab();
    TsSr = NamedPanel("TsSr");
    PnSrBase = NamedPanel("PnSrBase", TsSr);
    (new QVBoxLayout(TsSr))->addWidget(PnSrBase);
    TsSettings = NamedPanel("TsSettings");
    PnSettings = NamedPanel("PnSettings", TsSettings);
    (new QVBoxLayout(TsSettings))->addWidget(PnSettings);
    TsSound = BuildSoundTab();
    Re1Area = std::make_unique<QtTextArea>(Re1);
    Reading = std::make_unique<ReadingAloud>(*this, *Re1Area);

    PageControl1->addTab(TsRe, QStringLiteral("Говорилка"));
    PageControl1->addTab(TsSr, QStringLiteral("Быстрочиталка"));
    PageControl1->addTab(TsSettings, QStringLiteral("Настройки"));
    PageControl1->addTab(TsSound, QStringLiteral("Звук"));
    for (QWidget *tab : {TsRe, TsSr, TsSettings, TsSound})
        tab->layout()->setContentsMargins(0, 0, 0, 0);

    auto *pageLayout = new QVBoxLayout(PnPageControl);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(PageControl1);
    auto *formLayout = new QVBoxLayout(PnForm);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->addWidget(PnPageControl);
    setCentralWidget(PnForm);

    TmShowForm = new QTimer(this);
    TmShowForm->setObjectName("TmShowForm");
    TmShowForm->setSingleShot(true);
    TmShowForm->setInterval(500);
    connect(TmShowForm, &QTimer::timeout, this, &TLektavo::TmShowFormTimer);
}

QWidget *TLektavo::BuildReadingTab()
{
    auto *tab = NamedPanel("TsRe");
    PnRe = NamedPanel("PnRe", tab);
    PnReTop = NamedPanel("PnReTop", PnRe);
    PnReTop->setFixedHeight(31);
    new QHBoxLayout(PnReTop);
    PnReTop->layout()->setContentsMargins(2, 2, 2, 2);

    Re1 = new QPlainTextEdit(PnRe);
    Re1->setObjectName("Re1");
    Re1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    NameAfterComponent(Re1);
    Re2 = new QPlainTextEdit(PnRe);
    Re2->setObjectName("Re2");
    Re2->hide();
    NameAfterComponent(Re2);

    auto *layout = new QVBoxLayout(PnRe);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PnReTop);
    layout->addWidget(Re1, 1);
    (new QVBoxLayout(tab))->addWidget(PnRe);
    return tab;
}

QWidget *TLektavo::BuildSoundTab()
{
    auto *tab = NamedPanel("TsSound");
    PnSound = NamedPanel("PnSound", tab);
    PnSoundLeft = NamedPanel("PnSoundLeft", PnSound);
    PnSoundRight = NamedPanel("PnSoundRight", PnSound);

    CbAutoActive = new QCheckBox(QStringLiteral("Активизир. от Vornika"), PnSoundLeft);
    CbAutoActive->setObjectName("CbAutoActive");
    CbAutoActive->setToolTip(QStringLiteral(
        "Окно активизируется, после того, как Vornika занесли слово к себе в словарь, или от Telmuno"));
    auto *left = new QVBoxLayout(PnSoundLeft);
    left->addWidget(CbAutoActive);
    left->addStretch(1);

    GbEnglish = new QGroupBox(QStringLiteral("Английский"), PnSoundRight);
    GbEnglish->setObjectName("GbEnglish");
    Sound1 = new TSound("Sound1", std::make_unique<SpeechEngine>(), GbEnglish);
    (new QVBoxLayout(GbEnglish))->addWidget(Sound1);
    GbRussian = new QGroupBox(QStringLiteral("Русский"), PnSoundRight);
    GbRussian->setObjectName("GbRussian");
    Sound2 = new TSound("Sound2", std::make_unique<SpeechEngine>(), GbRussian);
    (new QVBoxLayout(GbRussian))->addWidget(Sound2);
    auto *right = new QVBoxLayout(PnSoundRight);
    right->addWidget(GbEnglish);
    right->addWidget(GbRussian);
    right->addStretch(1);

    auto *columns = new QHBoxLayout(PnSound);
    columns->addWidget(PnSoundLeft, 1);
    columns->addWidget(PnSoundRight, 1);
    (new QVBoxLayout(tab))->addWidget(PnSound);
    return tab;
}

void TLektavo::FormCreate()
{
    FormStarting = true;
    SuppressTextEvents = true;

    LastEditPath = ProgramFolder + "LastEdit";
    SettingsPath = ProgramFolder + "Data.dat";
    TempPath = ProgramFolder + "Temp.tmp";
    HelpPath = ProgramFolder + "Help.html";
    InitialCaption = windowTitle();
    AcLoadSoundExecute();
    Reading->FormCreate();

    FormStarting = false;
    SuppressTextEvents = false;
    StartTime = QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
    WriteLocationValue(ProgramFolder);
    TmShowForm->start();
}

// The settings file is not read yet: both voice panels take the first-run choice, English voices
// in Sound1 and Russian voices in Sound2.
void TLektavo::AcLoadSoundExecute()
{
    LoadSound(Sound1->Panel(), Sound2->Panel(), true, {}, {});
}

void TLektavo::TmShowFormTimer()
{
    TmShowForm->stop();
    show();
    raise();
    activateWindow();
    if (splash)
        splash->FormDeactivate();
}

void TLektavo::BringForward()
{
    QWidget *target = splash ? static_cast<QWidget *>(splash.data()) : this;
    target->raise();
    target->activateWindow();
}

void TLektavo::ActivationMessage()
{
    if (CbAutoActive->isChecked() && PageControl1->currentIndex() == TsReIndex)
        ForceForeground(this);
}
