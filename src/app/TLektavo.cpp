#include "TLektavo.h"
#include "Accessibility.h"
#include "CaptionTimer.h"
#include "Dialogs.h"
#include "FindBar.h"
#include "Handlers.h"
#include "KeyPreview.h"
#include "MainMenu.h"
#include "PageSwitch.h"
#include "QtAppearanceDialogs.h"
#include "ReadingAloud.h"
#include "SaveAsAudio.h"
#include "SettingsBinding.h"
#include "SoundPage.h"
#include "SpeedReader.h"
#include "TFormAbout.h"
#include "TFormHello.h"
#include "ViewModes.h"
#include "WindowDocuments.h"
#include "platform/KeyboardLayout.h"
#include "platform/documents/DocumentConversion.h"
#include "platform/documents/DocumentThread.h"
#include "platform/qt/DesktopKeyboardLayout.h"
#include "app/QtAppearance.h"
#include "platform/qt/QtTextArea.h"
#include "platform/qt/QtTimer.h"
#include "platform/system/DataFiles.h"
#include "platform/system/ForceForeground.h"
#include "platform/system/ProgramFolder.h"
#include "platform/system/QuitRequests.h"
#include "reading/TextAreaScrolling.h"
#include "voices/LoadSound.h"
#include "workspace/AppearanceCommands.h"
#include "workspace/DocumentCommands.h"
#include "workspace/EditingCommands.h"
#include "workspace/EditingView.h"
#include "workspace/ReadingPlaces.h"
#include "workspace/TextFinder.h"
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace {

QWidget *NamedPanel(const char *name, QWidget *parent = nullptr)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

// A tab holding one panel over its whole area.
QWidget *TabWithPanel(const char *tabName, const char *panelName, QWidget *&panel)
{
    QWidget *tab = NamedPanel(tabName);
    panel = NamedPanel(panelName, tab);
    (new QVBoxLayout(tab))->addWidget(panel);
    return tab;
}

std::unique_ptr<Timer> PanelTimer(const char *name)
{
    auto timer = std::make_unique<QtTimer>();
    timer->setObjectName(name);
    return timer;
}

// The main window as the tab switch drives it.
class SwitchedWindow : public PageSwitchWindow {
public:
    SwitchedWindow(QWidget &window, QPlainTextEdit *re1, QTabWidget *tabs, ReadingAloud &reading,
                   const int &visibleLineCount)
        : window(window), re1(re1), tabs(tabs), reading(reading), visibleLineCount(visibleLineCount)
    {
    }

    void StopVoices() override { reading.StopVoices(); }
    void ShowTextArea(bool shown) override { re1->setVisible(shown); }
    void Repaint() override { window.repaint(); }
    void SetWordWrap(bool on) override
    {
        re1->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    }
    void FocusTabControl() override { tabs->setFocus(); }
    int VisibleLineCount() const override { return visibleLineCount; }

private:
    QWidget &window;
    QPlainTextEdit *re1;
    QTabWidget *tabs;
    ReadingAloud &reading;
    const int &visibleLineCount;
};

// The window as the editing commands reach it: the find field, the text area's focus, the pointer.
class WindowEditing : public EditingView {
public:
    WindowEditing(QLineEdit *edit1, QPlainTextEdit *re1) : edit1(edit1), re1(re1) {}

    bool FindFieldFocused() const override { return edit1->hasFocus(); }
    void SelectAllInFindField() override { edit1->selectAll(); }
    void CutFromFindField() override { edit1->cut(); }
    void CopyFromFindField() override { edit1->copy(); }
    void PasteIntoFindField(const QString &text) override { edit1->insert(QString(text).replace(u'\n', u' ').remove(u'\r')); }
    void FocusTextArea() override { re1->setFocus(Qt::OtherFocusReason); }
    void ShowBusy(bool busy) override
    {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }

private:
    QLineEdit *edit1;
    QPlainTextEdit *re1;
};

} // namespace

TLektavo::TLektavo(QStringList arguments, QString programFolder, VoiceEngines engines, TFormHello *splash)
    : arguments(std::move(arguments)), splash(splash), settings(programFolder),
      foreignVoice(std::move(engines.foreign), PanelTimer("Sound1.Timer1")),
      russianVoice(std::move(engines.russian), PanelTimer("Sound2.Timer1")), commands(this)
{
    setObjectName("Lektavo");
    setWindowTitle(QString::fromUtf8(Caption));
    setGeometry(55, 76, 594, 346);
    BuildControls();
    BuildParts();
    BuildWorkspace();
    BuildDocuments();
    BuildCommands();
    BuildMenus();
    setMinimumSize(QSize(570, 300).expandedTo(minimumSizeHint()));  // every tab holds its controls
    FormCreate();
}

// The state is saved first; the controls go before the voice channels they show.
TLektavo::~TLektavo()
{
    Dialogs::OnScreenChanged = nullptr;
    FormDestroy();
    // The controls send events while they are taken apart, when they are no longer what the filter
    // asks them about.
    for (QObject *watched : FilteredControls())
        watched->removeEventFilter(this);
    delete takeCentralWidget();
}

void TLektavo::BuildControls()
{
    QWidget *PnForm = NamedPanel("PnForm");
    QWidget *PnPageControl = NamedPanel("PnPageControl", PnForm);
    PageControl1 = new QTabWidget(PnPageControl);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setTabPosition(QTabWidget::South);
    PageControl1->tabBar()->setStyleSheet("QTabBar::tab { min-width: 130px; min-height: 30px; }");

    TsRe = BuildReadingTab();
    TsSr = TabWithPanel("TsSr", "PnSrBase", PnSrBase);
    TsSettings = TabWithPanel("TsSettings", "PnSettings", PnSettings);
    TsSound = NamedPanel("TsSound");
    soundPage = std::make_unique<SoundPage>(TsSound, foreignVoice.Panel(), russianVoice.Panel());

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
    OnSignal(TmShowForm, &QTimer::timeout, this, "TmShowFormTimer", [this] { TmShowFormTimer(); });
}

QWidget *TLektavo::BuildReadingTab()
{
    auto *tab = NamedPanel("TsRe");
    PnRe = NamedPanel("PnRe", tab);
    PnReTop = NamedPanel("PnReTop", PnRe);
    PnReTop->setMinimumHeight(31);  // taller only when a large font needs it
    PnReTop->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
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

// The subsystems around the text area Re1 and the voice channels; the layout follows Re1's font
// and size, and presses on the top bars of the reading and speed-reading tabs.
void TLektavo::BuildParts()
{
    re1Area = std::make_unique<QtTextArea>(Re1);
    speedReading = std::make_unique<SpeedReader>(PnSrBase, PnSettings, *re1Area);
    reading = std::make_unique<ReadingAloud>(ReadingAloud::Parts{
        PnReTop, Re1, Re2, *re1Area, *soundPage, PageControl1, TsReIndex, foreignVoice.Engine(),
        russianVoice.Engine(), textEvents,
        [this](bool available) { speedReading->Controller().TextAvailabilityChanged(available); },
        [this](const QString &message) { ShowCaptionMessage(message); }, this});
    new KeyPreview(this, [this](int key, Qt::KeyboardModifiers modifiers) {
        return speedReading->Controller().FormKeyDown(key, modifiers);
    });
    viewModes = std::make_unique<ViewModes>(*this, Re1, *re1Area, settings.Record());
    pageSwitchWindow = std::make_unique<SwitchedWindow>(*this, Re1, PageControl1, *reading, visibleLineCount);
    pageSwitch = std::make_unique<PageSwitch>(
        PageSwitch::Parts{*re1Area, reading->Controller(), speedReading->Controller(), settings.Record(),
                          *pageSwitchWindow, textEvents},
        settings.TempPath());

    for (QObject *watched : FilteredControls())
        watched->installEventFilter(this);
}

QList<QObject *> TLektavo::FilteredControls() const
{
    return {Re1, Re1->viewport(), PnReTop, speedReading->Page().PnTopButtons, PageControl1->tabBar()};
}

// The find bar, the editing and clean-up commands and the appearance commands over Re1.
void TLektavo::BuildWorkspace()
{
    auto *TmCaption = new QtTimer(this);
    TmCaption->setObjectName("TmCaption");
    captionTimer = std::make_unique<CaptionTimer>(
        *TmCaption, [this](const QString &caption) { setWindowTitle(caption); }, windowTitle());
    findBar = std::make_unique<FindBar>(
        PnReTop, *captionTimer, [this] { return windowTitle(); }, [this] { return visibleLineCount; });
    keyboard = DesktopKeyboardLayout();
    finder = std::make_unique<TextFinder>(*re1Area, *findBar, *keyboard);
    findBar->ConnectTo(*finder);
    editingView = std::make_unique<WindowEditing>(findBar->Edit1(), Re1);
    editing = std::make_unique<EditingCommands>(*re1Area, reading->SystemClipboard(), *editingView,
                                                [this] { speedReading->Controller().AcFullStop(); });
    appearanceDialogs = std::make_unique<QtAppearanceDialogs>(
        this, [this](bool open) { speedReading->Controller().SetDialogOpen(open); });
    appearance = std::make_unique<AppearanceCommands>(settings.Record(), settingsControls, *appearanceDialogs);
}

// Documents convert on a thread of their own; the window takes dropped files from its creation.
void TLektavo::BuildDocuments()
{
    converter = MakeDocumentConverter(settings.Folder());
    loader = std::make_unique<DocumentThread>(*converter);
    documentView = std::make_unique<WindowDocuments>(this);
    Dialogs::OnScreenChanged = [this](bool open) { speedReading->Controller().SetDialogOpen(open); };
    places = std::make_unique<ReadingPlaces>(settings.Folder() + "Places.json");
    documents = std::make_unique<DocumentCommands>(
        *re1Area, *loader, *documentView, settings.Record(), reading->SystemClipboard(), *places,
        DocumentCommands::Readers{
            [this] { reading->Controller().StopWhateverReads(); },
            [this] { speedReading->Controller().AcFullStop(); },
            [this] {  // off its tab the speed reader reads on from the selection
                return PageControl1->currentIndex() == TsSrIndex ? speedReading->Controller().ReadPosition()
                                                                 : re1Area->SelStart();
            },
            [this](int position) { speedReading->Controller().ReadFrom(position); }});
    audioExport = std::make_unique<SaveAsAudio>(SaveAsAudio::Parts{
        this, *re1Area, foreignVoice.Panel(), russianVoice.Panel(), reading->View(),
        [this] { return documents->LastFileName(); }});
    setAcceptDrops(true);
}

void TLektavo::BuildCommands()
{
    EditingCommands &e = *editing;
    AppearanceCommands &a = *appearance;
    DocumentCommands &d = *documents;
    commands.Add({
        {"LoadFromFile1Click", QStringLiteral("Загрузить из файла..."), {}, [&d] { d.LoadFromFile1Click(); }},
        {"LoadFromClipboard1Click", QStringLiteral("Загрузить из буфера"), {}, [&d] { d.LoadFromClipboard1Click(); }},
        {"SaveToFile1Click", QStringLiteral("Сохранить в файл..."), {}, [&d] { d.SaveToFile1Click(); }},
        {"SaveAsAudio1Click", QStringLiteral("Сохранить как аудио..."), {}, [this] { audioExport->Commands().SaveAsAudio1Click(); }},
        {"Clear1Click", QStringLiteral("Очистить"), {}, [&d] { d.Clear1Click(); }},
        {"Close1Click", QStringLiteral("Завершить работу"), {}, [this] { close(); }},
        {"mnScreenClick", QStringLiteral("Полный экран"), {}, [this] { viewModes->mnScreenClick(); }},
        {"mnWindowClick", QStringLiteral("Окно"), {}, [this] { viewModes->mnWindowClick(); }},
        {"MnTaCenterClick", QStringLiteral("Текст по центру"), {}, [this] { viewModes->MnTaCenterClick(); },
         [this] { return viewModes->TextCentred(); }},
        {"MnFind1Click", QStringLiteral("Найти"), QKeySequence(Qt::CTRL | Qt::Key_F), [this] { MnFind1Click(); },
         [this] { return findBar->Shown(); }},
        {"SelectAll1Click", QStringLiteral("Выделить все"), {}, [&e] { e.SelectAll1Click(); }},
        {"Cut1Click", QStringLiteral("Вырезать"), {}, [&e] { e.Cut1Click(); }},
        {"Copy1Click", QStringLiteral("Копировать"), {}, [&e] { e.Copy1Click(); }},
        {"Paste1Click", QStringLiteral("Вставить"), {}, [&e] { e.Paste1Click(); }},
        {"AcSelectAll", QStringLiteral("Выделить все"), QKeySequence::SelectAll, [&e] { e.AcSelectAllExecute(); }},
        {"AcCut", QStringLiteral("Вырезать"), QKeySequence::Cut, [&e] { e.AcCutExecute(); }},
        {"AcCopy", QStringLiteral("Копировать"), QKeySequence::Copy, [&e] { e.AcCopyExecute(); }},
        {"AcPaste", QStringLiteral("Вставить"), QKeySequence(Qt::CTRL | Qt::Key_V), [&e] { e.AcPasteExecute(); }},
        {"AcPaste1", QStringLiteral("Вставить"), QKeySequence(Qt::SHIFT | Qt::Key_Insert), [&e] { e.AcPasteExecute(); }},
        {"DelMin1Click", QStringLiteral("Удалить переносы"), {}, [&e] { e.DelMin1Click(); }},
        {"Sentences1Click", QStringLiteral("Разбить на предложения"), {}, [&e] { e.Sentences1Click(); }},
        {"Re1Font1Click", QStringLiteral("Шрифт..."), {}, [&a] { a.Re1Font1Click(); }},
        {"Re1Color1Click", QStringLiteral("Цвет..."), {}, [&a] { a.Re1Color1Click(); }},
        {"IndicatorsColor1Click", QStringLiteral("Цвет шрифта подсветки..."), {}, [&a] { a.IndicatorsColor1Click(); }},
        {"BgHightLight1Click", QStringLiteral("Фон подсветки..."), {}, [&a] { a.BgHightLight1Click(); }},
        {"PnFont1Click", QStringLiteral("Шрифт..."), {}, [&a] { a.PnFont1Click(); }},
        {"PnFontColor1Click", QStringLiteral("Цвет шрифта..."), {}, [&a] { a.PnFontColor1Click(); }},
        {"PnColor1Click", QStringLiteral("Цвет..."), {}, [&a] { a.PnColor1Click(); }},
        {"Indicators1Click", QStringLiteral("Показывать скорость чтения"), {},
         [this] { speedReading->Controller().Indicators1Click(); },
         [this] { return speedReading->Controller().Settings().IndicatorsShown; }},
        {"Help1Click", QStringLiteral("Помощь"), QKeySequence(Qt::Key_F1), [this] { Help1Click(); }},
        {"About1Click", QStringLiteral("О программе"), {}, [this] { About1Click(); }},
        {"MenuBarKeyboard", QStringLiteral("Меню"), QKeySequence(Qt::Key_F10), [this] { mainMenu->OpenFromKeyboard(); }},
    });
}

// The main menu and the context menus; "Правка" follows the tab.
void TLektavo::BuildMenus()
{
    mainMenu = std::make_unique<MainMenu>(*this, commands, [this] { return MenuState(); });
    if (auto *more = menuBar()->findChild<QWidget *>("qt_menubar_ext_button"))
        more->setAccessibleName(QStringLiteral("Ещё"));
    const auto contextMenu = [this](QWidget *widget, const char *menu) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        OnSignal(widget, &QWidget::customContextMenuRequested, this, menu, [this, widget, menu](const QPoint &at) {
            if (std::string_view(menu) == "Pu1")
                Pu1Popup();
            mainMenu->ShowContextMenu(menu, widget->mapToGlobal(at));
        });
    };
    contextMenu(Re1, "Pu1");
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (now == Re1 && QApplication::mouseButtons() != Qt::NoButton)
            focusTakenByPress = old;
    });
    contextMenu(findBar->Edit1(), "Pu2");
    for (const char *display : {"PnSR", "LbWords", "LbSymbols"})
        contextMenu(findChild<QWidget *>(display), "Pu3");
    mainMenu->FollowTab();
}

// What the menus' rules look at.
MenuFacts TLektavo::MenuState()
{
    MenuFacts facts;
    facts.textEmpty = re1Area->TextLength() == 0;
    facts.textBlank = !reading->Controller().TextAvailable();
    facts.selectionEmpty = re1Area->SelLength() == 0;
    facts.clipboardHasText = !reading->SystemClipboard().Text().isEmpty();
    facts.readingTab = PageControl1->currentIndex() == TsReIndex;
    facts.speedReaderTab = PageControl1->currentIndex() == TsSrIndex;
    facts.fullScreen = isFullScreen();
    facts.findField = findBar->Edit1()->text();
    facts.findFieldSelected = int(findBar->Edit1()->selectedText().size());
    facts.indicatorsShown = speedReading->Controller().Settings().IndicatorsShown;
    facts.textCentred = viewModes->TextCentred();
    facts.findBarShown = findBar->Shown();
    return facts;
}

// A right click in the text leaves the keyboard focus where it was before the click.
void TLektavo::Pu1Popup()
{
    if (activeControlAtMouseDown)
        activeControlAtMouseDown->setFocus(Qt::PopupFocusReason);
}

// The help document opens with the desktop's own program for it; nothing is said when none does,
// nor when the document is nowhere to be found (then the program folder is asked for it).
void TLektavo::Help1Click()
{
    const QString found = DataFile(QStringLiteral("Help.html"));
    QDesktopServices::openUrl(QUrl::fromLocalFile(found.isEmpty() ? settings.HelpPath() : found));
}

// Modal for the whole program, without holding up the event loop.
void TLektavo::About1Click()
{
    auto *about = new TFormAbout(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

// The check mark of "Найти" flips, the find bar follows and the state is stored; only on the
// reading tab, where "Правка" is.
void TLektavo::MnFind1Click()
{
    if (PageControl1->currentIndex() != TsReIndex)
        return;
    findBar->Show(!findBar->Shown());
    settings.Record().SetFlag(SettingsField::MnFind1, findBar->Shown());
}

// The font changes under the reader's eyes without moving the text: the same selection, the same
// first line, the selection then in the middle of the view.
void TLektavo::ShowTextFont(const FontDescription &font)
{
    const TextView view = TakeView(*re1Area);
    Re1->setFont(ToQFont(font));
    QPalette palette = Re1->palette();
    palette.setColor(QPalette::Text, ToQColor(font.colour, palette));
    Re1->setPalette(palette);
    RestoreView(*re1Area, view);
    CentreCaretLine(*re1Area, visibleLineCount);
}

// What the settings store restores at start and gathers at exit, each part binding its own.
void TLektavo::BindSettings()
{
    SettingsControls &controls = settingsControls;
    BindPlacement(controls, *this);
    BindTextBackground(controls, PnRe, Re1);
    controls.fonts[SettingsField::TextFont] = [this](const FontDescription &font) { ShowTextFont(font); };
    controls.text = [this] { return re1Area->Text(); };
    controls.numbers[SettingsField::MnTaCenter] = {[this] { return viewModes->TextCentred() ? 1 : 0; },
                                                   [this](int centred) {
                                                       viewModes->SetTextCentred(centred != 0);
                                                       commands.ShowChecks();
                                                   }};
    controls.numbers[SettingsField::MnFind1] = {[this] { return findBar->Shown() ? 1 : 0; },
                                                [this](int shown) {
                                                    findBar->Show(shown != 0);
                                                    commands.ShowChecks();
                                                }};
    controls.options[OptionField::CbAutoActive] = CheckBoxValue(soundPage->CbAutoActive);
    reading->BindSettings(controls);
    speedReading->BindSettings(controls);
    controls.soundData[SettingsField::Sound1] = [this] { return foreignVoice.Panel().Data().ToBytes(); };
    controls.soundData[SettingsField::Sound2] = [this] { return russianVoice.Panel().Data().ToBytes(); };
    controls.stopVoices = [this] { reading->StopVoices(); };
}

void TLektavo::FormCreate()
{
    const auto starting = textEvents.Suppress();
    settings.MakeFilesWritable();
    BindSettings();
    settings.Restore(settingsControls);
    AcLoadSoundExecute();
    RestoreLastText();
    reading->FormCreate();
    auto *quitRequests = new QuitRequests(this);
    OnSignal(quitRequests, &QuitRequests::Requested, this, "quit", [this] {
        close();
        QCoreApplication::quit();
    });
    OnSignal(quitRequests, &QuitRequests::SessionEnding, this, "the end of the session", [this] {
        close();
        FormDestroy();
    });

    CentreCaretLine(*re1Area, visibleLineCount);
    SelectRememberedTab();
    FormResize();
    WriteLocationValue(settings.Folder());
    TmShowForm->start();
}

void TLektavo::AcLoadSoundExecute()
{
    const SettingsRecord &record = settings.Record();
    LoadSound(foreignVoice.Panel(), russianVoice.Panel(), settings.SettingsLoadFailed(),
              record.SoundData(SettingsField::Sound1), record.SoundData(SettingsField::Sound2));
}

// The text of the last run comes back with its selection. A document named on the command line
// takes its place on the reading tab once it is converted; when it cannot be opened, the last text
// stays, so that it is never replaced by nothing at exit.
void TLektavo::RestoreLastText()
{
    if (!arguments.isEmpty() && !arguments.first().isEmpty()) {
        settings.Record().SetByte(SettingsField::TabIndex, TsReIndex);
        documents->LoadDocument(arguments.first());
    }
    const auto text = settings.LastText();
    if (!text)
        return;
    re1Area->SetText(*text);
    re1Area->SetSelStart(std::max(0, settings.Record().Int(SettingsField::SelStart)));
    re1Area->SetSelLength(std::max(0, settings.Record().Int(SettingsField::SelLength)));
    documents->TakeLastText();
}

void TLektavo::closeEvent(QCloseEvent *event)
{
    bool closing = true;
    Guarded("FormCloseQuery", [&] {
        FormCloseQuery();
        closing = LastTextKeptOrLetGo();
    });
    event->setAccepted(closing);
}

// The text is kept in "LastEdit" for the next start; when that cannot be written the user hears
// of it before the window goes, and may save the text elsewhere first or stay.
bool TLektavo::LastTextKeptOrLetGo()
{
    QString reason;
    if (settings.WriteLastText(re1Area->Text(), &reason))
        return true;
    const int answer = Dialogs::Ask(
        this, QString::fromUtf8(LastTextNotKeptMessage).arg(settings.LastEditPath(), reason),
        {QStringLiteral("Сохранить в файл..."), QStringLiteral("Закрыть"), QStringLiteral("Отмена")});
    if (answer == 0)
        documents->SaveToFile1Click();
    return answer != 2;
}

void TLektavo::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().first().isLocalFile())
        event->acceptProposedAction();
}

// The first dropped file only, if it is a local one.
void TLektavo::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    Guarded("FormDropFiles", [&] { documents->FilesDropped({urls.first().toLocalFile()}); });
}

// On the speed reader's tab the group shown last becomes the selection first.
void TLektavo::FormCloseQuery()
{
    if (PageControl1->currentIndex() == TsSrIndex)
        speedReading->Controller().GivePositionToTextArea();
    settings.CloseQuery(re1Area->SelStart(), re1Area->SelLength());
    documents->RememberPlace();
}

// Saves the text and the settings once: when the window is destroyed, or earlier when the desktop
// session ends.
void TLektavo::FormDestroy()
{
    if (std::exchange(stateSaved, true))
        return;
    loader->Cancel();
    Guarded("FormDestroy", [this] { settings.SaveAtExit(settingsControls); });
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

void TLektavo::OpenDocument(const QString &path)
{
    if (splash)
        BringForward();
    else
        ForceForeground(this);
    Guarded("OpenDocument", [&] { documents->FilesDropped({path}); });
}

void TLektavo::ActivationMessage()
{
    if (soundPage->CbAutoActive->isChecked() && PageControl1->currentIndex() == TsReIndex)
        ForceForeground(this);
}

TextArea &TLektavo::Text()
{
    return *re1Area;
}

ReadingController &TLektavo::Reading()
{
    return reading->Controller();
}

SpeedReaderController &TLektavo::SpeedReading()
{
    return speedReading->Controller();
}

void TLektavo::ShowCaptionMessage(const QString &message)
{
    captionTimer->ShowMessage(message);
}

void TLektavo::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Guarded("FormResize", [this] { FormResize(); });
}

// The columns of the settings and sound tabs follow the width of their tabs by themselves.
void TLektavo::FormResize()
{
    RecomputeVisibleLineCount();
    speedReading->Controller().AcStopCounting();
}

void TLektavo::RecomputeVisibleLineCount()
{
    const int lineHeight = QFontMetrics(soundPage->LbTest->font()).lineSpacing();
    const int margins = 2 * int(Re1->document()->documentMargin());
    visibleLineCount = VisibleLinesIn(Re1->viewport()->height() - margins, lineHeight);
    reading->SetVisibleLineCount(visibleLineCount);
}

bool TLektavo::eventFilter(QObject *watched, QEvent *event)
{
    // Qt gives the text the focus before the press reaches here: the control that had it is the one
    // the press took it from.
    if (watched == Re1->viewport() && event->type() == QEvent::MouseButtonPress)
    {
        QWidget *takenFrom = std::exchange(focusTakenByPress, nullptr).data();
        activeControlAtMouseDown = takenFrom ? takenFrom : QApplication::focusWidget();
    }
    // Ctrl+A in the text goes to "Выделить все", which selects all or nothing in turn.
    if (watched == Re1 && event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::SelectAll))
        return true;
    // The reader keeps the focus on the tab bar; there the arrows must not switch tabs under it.
    if (watched == PageControl1->tabBar() && event->type() == QEvent::KeyPress
        && PageControl1->currentIndex() == TsSrIndex) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right)
            return true;
    }
    if (watched == Re1 && event->type() == QEvent::FontChange) {
        soundPage->LbTest->setFont(Re1->font());
        RecomputeVisibleLineCount();
    } else if (watched == Re1->viewport() && event->type() == QEvent::Resize) {
        RecomputeVisibleLineCount();
    } else if ((watched == PnReTop || watched == speedReading->Page().PnTopButtons)
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

// The tab of the last run, switched to as the start-up's own switch; the user's switches run
// from then on.
void TLektavo::SelectRememberedTab()
{
    PageControl1->setCurrentIndex(settings.Record().Byte(SettingsField::TabIndex));
    shownPage = PageControl1->currentIndex();
    pageSwitch->EnterRememberedPage(shownPage);
    OnSignal(PageControl1, &QTabWidget::currentChanged, this, "PageControl1Change",
             [this](int index) { PageControl1Changed(index); });
}

// The tab widget tells of a change once it is made: the switch leaves the tab shown before.
void TLektavo::PageControl1Changed(int index)
{
    pageSwitch->PageControl1Changing(shownPage);
    shownPage = index;
    pageSwitch->PageControl1Change(index);
    mainMenu->FollowTab();
}
