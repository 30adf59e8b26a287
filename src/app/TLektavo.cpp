#include "TLektavo.h"
#include "Accessibility.h"
#include "CaptionTimer.h"
#include "Dialogs.h"
#include "DoubleClickFrame.h"
#include "KeyPreview.h"
#include "PageSwitch.h"
#include "ReadingAloud.h"
#include "ReadingOptions.h"
#include "SettingsBinding.h"
#include "SpeedReader.h"
#include "TFormHello.h"
#include "TSound.h"
#include "platform/documents/DocumentConversion.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/system/ForceForeground.h"
#include "platform/system/ProgramFolder.h"
#include "platform/qt/QtTimer.h"
#include "platform/system/QuitRequests.h"
#include "reading/TextAreaScrolling.h"
#include "settings/SettingsStore.h"
#include "voices/LoadSound.h"
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

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
    SpeedReading = std::make_unique<SpeedReader>(PnSrBase, PnSettings, *Re1Area);
    new KeyPreview(this, [this](int key, Qt::KeyboardModifiers modifiers) {
        return FormKeyDown(key, modifiers);
    });

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

    BuildViewParts();
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
    LbTest = new QLabel(QStringLiteral("Lektavo"), PnSoundLeft);
    LbTest->setObjectName("LbTest");
    LbTest->hide();

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

    CentreCaretLine(*Re1Area, VisibleLineCount);
    SelectRememberedTab();
    FormResize();

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

// A document named on the command line opens on the reading tab; otherwise, or when it cannot be
// opened, the text of the last run comes back with its selection, so that it is never replaced by
// nothing at exit.
void TLektavo::RestoreLastText()
{
    if (!arguments.isEmpty() && !arguments.first().isEmpty()) {
        Settings->Record().SetByte(SettingsField::TabIndex, TsReIndex);
        const ConvertedDocument document = MakeDocumentConverter(ProgramFolder)->Convert(arguments.first(), {});
        if (document.IsConverted()) {
            Re1Area->SetText(document.text);
            return;
        }
        Dialogs::ShowMessage(this, document.message);
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

// On the speed reader's tab the group shown last becomes the selection first.
void TLektavo::FormCloseQuery()
{
    if (PageControl1->currentIndex() == TsSrIndex)
        SpeedReading->Controller().GivePositionToTextArea();
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

bool TLektavo::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    return SpeedReading->Controller().FormKeyDown(key, modifiers);
}

void TLektavo::ActivationMessage()
{
    if (CbAutoActive->isChecked() && PageControl1->currentIndex() == TsReIndex)
        ForceForeground(this);
}

// The caption timer, the view commands, and the events that the layout follows: Re1's font and
// size, and presses on the top bars of the reading and speed-reading tabs.
void TLektavo::BuildViewParts()
{
    Re1->installEventFilter(this);
    Re1->viewport()->installEventFilter(this);
    PnReTop->installEventFilter(this);
    SpeedReading->Page().PnTopButtons->installEventFilter(this);
    TmCaption = new QtTimer(this);
    TmCaption->setObjectName("TmCaption");
    captionTimer = std::make_unique<CaptionTimer>(
        *TmCaption, [this](const QString &caption) { setWindowTitle(caption); }, windowTitle());

    mnScreen = new QAction(QStringLiteral("Полный экран"), this);
    mnScreen->setObjectName("mnScreen");
    connect(mnScreen, &QAction::triggered, this, &TLektavo::mnScreenClick);
    mnWindow = new QAction(QStringLiteral("Окно"), this);
    mnWindow->setObjectName("mnWindow");
    connect(mnWindow, &QAction::triggered, this, &TLektavo::mnWindowClick);
    MnTaCenter = new QAction(QStringLiteral("Текст по центру"), this);
    MnTaCenter->setObjectName("MnTaCenter");
    MnTaCenter->setCheckable(true);
    connect(MnTaCenter, &QAction::triggered, this, &TLektavo::MnTaCenterClick);
}

void TLektavo::ShowCaptionMessage(const QString &message)
{
    captionTimer->ShowMessage(message);
}

void TLektavo::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TLektavo::FormResize()
{
    RecomputeVisibleLineCount();
    SpeedReading->Controller().AcStopCounting();
    LayColumns();
}

void TLektavo::RecomputeVisibleLineCount()
{
    const int lineHeight = QFontMetrics(LbTest->font()).lineSpacing();
    const int margins = 2 * int(Re1->document()->documentMargin());
    VisibleLineCount = VisibleLinesIn(Re1->viewport()->height() - margins, lineHeight);
    Reading->Stepper.VisibleLineCount = VisibleLineCount;
}

namespace {

// The box that holds a widget: its parent's layout or one nested in it.
QLayout *LayoutHolding(QWidget *widget)
{
    QLayout *outer = widget->parentWidget()->layout();
    for (int i = 0; i < outer->count(); ++i)
        if (QLayout *inner = outer->itemAt(i)->layout(); inner && inner->indexOf(widget) >= 0)
            return inner;
    return outer;
}

// Two columns side by side over the whole width of their panel, the left one half as wide.
void JoinColumns(QWidget *leftColumn, int half)
{
    leftColumn->setFixedWidth(half);
    QLayout *panel = leftColumn->parentWidget()->layout();
    const QMargins margins = panel->contentsMargins();
    panel->setContentsMargins(0, margins.top(), 0, margins.bottom());
    LayoutHolding(leftColumn)->setSpacing(0);
}

// A column of rows, each W wide, their left edges at left.
void LayColumn(QWidget *column, int left, int width, std::initializer_list<QWidget *> rows)
{
    const QMargins margins = column->layout()->contentsMargins();
    column->layout()->setContentsMargins(left, margins.top(), 0, margins.bottom());
    for (QWidget *row : rows)
        row->setFixedWidth(width);
}

} // namespace

// The left columns of the settings and sound tabs take half the width; their rows and those of
// the right columns are as wide as a left column less 19 pixels.
void TLektavo::LayColumns()
{
    const int half = PageControl1->currentWidget()->width() / 2;
    JoinColumns(PnSoundLeft, half);
    const SpeedReaderSettingsPage &settings = SpeedReading->SettingsPage();
    JoinColumns(settings.PnSettingsLeft, half);
    const int width = half - 19;
    LayColumn(settings.PnSettingsLeft, 10, width, {settings.Pn22, settings.Pn33, settings.Pn44, settings.Pn55});
    LayColumn(settings.PnSettingRight, 5, width, {settings.Pn66, settings.Pn77, settings.Pn99});
    const ReadingOptions &options = *Reading->Options;
    LayColumn(PnSoundLeft, 10, width, {options.Gb222, options.Gb2222, options.Gb22222, options.RgLangs});
    LayColumn(PnSoundRight, 5, width, {GbEnglish, GbRussian});
}

bool TLektavo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Re1 && event->type() == QEvent::FontChange) {
        LbTest->setFont(Re1->font());
        RecomputeVisibleLineCount();
    } else if (watched == Re1->viewport() && event->type() == QEvent::Resize) {
        RecomputeVisibleLineCount();
    } else if ((watched == PnReTop || watched == SpeedReading->Page().PnTopButtons)
               && event->type() == QEvent::MouseButtonPress) {
        PnRight1MouseDown();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Any mouse button on a tab's top bar drags the window as its title bar would.
void TLektavo::PnRight1MouseDown()
{
    if (QWindow *handle = windowHandle())
        handle->startSystemMove();
}

// The selection is remembered in the settings record as well.
TextView TLektavo::KeepView()
{
    const TextView view = TakeView(*Re1Area);
    Settings->Record().SetInt(SettingsField::SelStart, view.selStart);
    Settings->Record().SetInt(SettingsField::SelLength, view.selLength);
    return view;
}

// Full screen is a window without frame over the whole screen. The window mode left is stored
// for "Окно"; entering full screen again while in it would store full screen in its place.
void TLektavo::mnScreenClick()
{
    if (isFullScreen())
        return;
    const TextView view = KeepView();
    StoreBeforeFullScreen(Settings->Record(), PlacementOf(*this));
    setWindowState(Qt::WindowFullScreen);
    RestoreView(*Re1Area, view);
}

// Back to the bounds and state stored on entering full screen; bounds never stored (a window
// maximised since the first run) leave the window its own normal bounds.
void TLektavo::mnWindowClick()
{
    if (!isFullScreen())
        return;
    const TextView view = KeepView();
    const WindowPlacement placement = WindowModePlacement(Settings->Record());
    setWindowState(Qt::WindowNoState);
    const WindowBounds &b = placement.bounds;
    if (b.width > 0 && b.height > 0)
        setGeometry(b.left, b.top, b.width, b.height);
    if (placement.state == WindowState::Maximised)
        setWindowState(Qt::WindowMaximized);
    RestoreView(*Re1Area, view);
}

void TLektavo::MnTaCenterClick()
{
    const TextView view = TakeView(*Re1Area);
    Settings->Record().SetFlag(SettingsField::MnTaCenter, MnTaCenter->isChecked());
    SetTextCentred(MnTaCenter->isChecked());
    RestoreView(*Re1Area, view);
}

void TLektavo::SetTextCentred(bool centred)
{
    MnTaCenter->setChecked(centred);
    QTextOption option = Re1->document()->defaultTextOption();
    option.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    Re1->document()->setDefaultTextOption(option);
}

namespace {

// The main window as the tab switch drives it.
class SwitchedWindow : public PageSwitchWindow {
public:
    SwitchedWindow(TLektavo &window, std::function<void()> stopVoices)
        : window(window), stopVoices(std::move(stopVoices))
    {
    }

    void StopVoices() override { stopVoices(); }
    void ShowTextArea(bool shown) override { window.Re1->setVisible(shown); }
    // Paints and timers run; a click on another tab waits until this switch is over.
    void ProcessEvents() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
    void SetWordWrap(bool on) override
    {
        window.Re1->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    }
    void FocusTabControl() override { window.PageControl1->setFocus(); }
    int VisibleLineCount() const override { return window.VisibleLineCount; }

private:
    TLektavo &window;
    std::function<void()> stopVoices;
};

} // namespace

// The tab of the last run, switched to as the start-up's own switch; the user's switches run
// from then on.
void TLektavo::SelectRememberedTab()
{
    pageSwitchWindow = std::make_unique<SwitchedWindow>(*this, settingsControls.stopVoices);
    pageSwitch = std::make_unique<PageSwitch>(
        PageSwitch::Parts{*Re1Area, Reading->Controller, Reading->View, SpeedReading->Controller(),
                          Settings->Record(), *pageSwitchWindow},
        SuppressTextEvents, FormStarting, TempPath);
    PageControl1->setCurrentIndex(Settings->Record().Byte(SettingsField::TabIndex));
    AcPageControl1Execute();
    connect(PageControl1, &QTabWidget::currentChanged, this, &TLektavo::PageControl1Changed);
}

void TLektavo::AcPageControl1Execute()
{
    shownPage = PageControl1->currentIndex();
    pageSwitch->PageControl1Change(shownPage);
}

// The tab widget tells of a change once it is made: the switch leaves the tab shown before.
void TLektavo::PageControl1Changed(int index)
{
    pageSwitch->PageControl1Changing(shownPage);
    shownPage = index;
    pageSwitch->PageControl1Change(index);
}
