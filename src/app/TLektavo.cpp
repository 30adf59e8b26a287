#include "TLektavo.h"
#include "Accessibility.h"
#include "ReadingAloud.h"
#include "SettingsBinding.h"
#include "TFormHello.h"
#include "TSound.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/system/ForceForeground.h"
#include "platform/system/ProgramFolder.h"
#include "platform/system/QuitRequests.h"
#include "settings/SettingsStore.h"
#include "voices/LoadSound.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
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

TLektavo::~TLektavo()
{
    FormDestroy();
}

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
    Settings = std::make_unique<SettingsStore>(ProgramFolder);
    Settings->MakeFilesWritable();
    settingsControls = BindSettingsControls(*this, *Re1Area);
    Settings->Restore(settingsControls);
    AcLoadSoundExecute();
    RestoreLastText();
    Reading->FormCreate();
    auto *quitRequests = new QuitRequests(this);
    connect(quitRequests, &QuitRequests::Requested, this, [this] {
        close();
        QCoreApplication::quit();
    });
    connect(quitRequests, &QuitRequests::SessionEnding, this, [this] {
        close();
        FormDestroy();
    });

    FormStarting = false;
    SuppressTextEvents = false;
    StartTime = QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
    WriteLocationValue(ProgramFolder);
    TmShowForm->start();
}

void TLektavo::AcLoadSoundExecute()
{
    const SettingsRecord &record = Settings->Record();
    LoadSound(Sound1->Panel(), Sound2->Panel(), Settings->SettingsLoadFailed(),
              record.SoundData(SettingsField::Sound1), record.SoundData(SettingsField::Sound2));
}

// A document named on the command line opens on the reading tab; otherwise the text of the last
// run comes back with its selection.
void TLektavo::RestoreLastText()
{
    if (!arguments.isEmpty() && !arguments.first().isEmpty()) {
        Settings->Record().SetByte(SettingsField::TabIndex, TsReIndex);
        return;
    }
    const auto text = Settings->LastText();
    if (!text)
        return;
    Re1Area->SetText(*text);
    Re1Area->SetSelStart(std::max(0, Settings->Record().Int(SettingsField::SelStart)));
    Re1Area->SetSelLength(std::max(0, Settings->Record().Int(SettingsField::SelLength)));
}

void TLektavo::closeEvent(QCloseEvent *event)
{
    FormCloseQuery();
    event->accept();
}

void TLektavo::FormCloseQuery()
{
    Settings->CloseQuery(Re1Area->SelStart(), Re1Area->SelLength());
}

// Saves the text and the settings once: when the window is destroyed, or earlier when the desktop
// session ends.
void TLektavo::FormDestroy()
{
    if (std::exchange(stateSaved, true))
        return;
    Settings->SaveAtExit(settingsControls);
    setAcceptDrops(false);
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
