#include "TLektavo.h"
#include "CaptionTimer.h"
#include "ControlFilters.h"
#include "Dialogs.h"
#include "FindBar.h"
#include "FocusBeforePress.h"
#include "Handlers.h"
#include "HelpWindow.h"
#include "HyphenOption.h"
#include "KeyPreview.h"
#include "ListeningParts.h"
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
#include "TextAreaLines.h"
#include "ViewModes.h"
#include "WindowDocuments.h"
#include "WindowControls.h"
#include "WindowViews.h"
#include "platform/KeyboardLayout.h"
#include "platform/documents/DocumentConversion.h"
#include "platform/documents/DocumentThread.h"
#include "platform/qt/DesktopKeyboardLayout.h"
#include "platform/qt/QtTextArea.h"
#include "platform/qt/QtTimer.h"
#include "platform/system/DataFiles.h"
#include "platform/system/ForceForeground.h"
#include "platform/system/QuitRequests.h"
#include "reading/TextAreaScrolling.h"
#include "voices/LoadSound.h"
#include "workspace/AppearanceCommands.h"
#include "workspace/DocumentCommands.h"
#include "workspace/EditingCommands.h"
#include "workspace/EditingView.h"
#include "workspace/ReadingPlaces.h"
#include "workspace/TextFinder.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

TLektavo::TLektavo(QStringList arguments, QString programFolder, VoiceEngines engines, TFormHello *splash,
                   std::unique_ptr<OptionsStore> options)
    : arguments(std::move(arguments)), splash(splash), settings(programFolder), options(std::move(options)),
      foreignVoice(std::move(engines.foreign), NamedTimer("Sound1.Timer1")),
      russianVoice(std::move(engines.russian), NamedTimer("Sound2.Timer1")),
      exportRenderer(std::move(engines.renderer)), commands(this)
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
    listening = std::make_unique<ListeningParts>(
        ListeningParts::Parts{*this, Re1, *re1Area, settings, settingsControls, *documents, reading->Controller(),
                              mainMenu->Menu("mnView"), *this->options, foreignVoice.Engine(), russianVoice.Engine()});
}

// The state is saved first; the controls go before the voice channels they show.
TLektavo::~TLektavo()
{
    Dialogs::OnScreenChanged = nullptr;
    listening.reset();
    FormDestroy();
    filters.clear();
    delete takeCentralWidget();
}

void TLektavo::BuildControls()
{
    const WindowControls c = BuildWindowControls();
    PageControl1 = c.PageControl1;
    TsSound = c.TsSound;
    PnRe = c.PnRe, PnReTop = c.PnReTop, PnSrBase = c.PnSrBase, PnSettings = c.PnSettings;
    Re1 = c.Re1, Re2 = c.Re2;
    soundPage = std::make_unique<SoundPage>(TsSound, foreignVoice.Panel(), russianVoice.Panel());
    FitTabs(c);
    setCentralWidget(c.PnForm);

    TmShowForm = new QTimer(this);
    TmShowForm->setObjectName("TmShowForm");
    TmShowForm->setSingleShot(true);
    TmShowForm->setInterval(500);
    OnSignal(TmShowForm, &QTimer::timeout, this, "TmShowFormTimer", [this] { TmShowFormTimer(); });
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
        [this](bool available) { rules->TextAvailabilityChanged(available); },
        [this](const QString &message) { ShowCaptionMessage(message); }, this});
    new KeyPreview(this, [this](int key, Qt::KeyboardModifiers modifiers) {
        return speedReading->Controller().FormKeyDown(key, modifiers);
    });
    viewModes = std::make_unique<ViewModes>(*this, Re1, *re1Area, settings.Record());
    lines = new TextAreaLines(Re1, soundPage->LbTest, [this](int count) { reading->SetVisibleLineCount(count); });
    filters.emplace_back(lines);
    pageSwitchWindow = std::make_unique<SwitchedWindow>(*this, Re1, PageControl1, *reading, *lines);
    pageSwitch = std::make_unique<PageSwitch>(
        PageSwitch::Parts{*re1Area, reading->Controller(), speedReading->Controller(), settings.Record(),
                          *pageSwitchWindow, textEvents},
        settings.TempPath());
    focusBeforePress = new FocusBeforePress(Re1);
    filters.emplace_back(focusBeforePress);
    filters.emplace_back(new SelectAllToCommand(Re1));
    filters.emplace_back(new TabArrowsHeld(PageControl1, TsSrIndex));
    filters.emplace_back(new WindowDragBars(*this, {PnReTop, speedReading->Page().PnTopButtons}));
}

// The find bar, the editing and clean-up commands and the appearance commands over Re1.
void TLektavo::BuildWorkspace()
{
    auto *TmCaption = new QtTimer(this);
    TmCaption->setObjectName("TmCaption");
    captionTimer = std::make_unique<CaptionTimer>(
        *TmCaption, [this](const QString &caption) { setWindowTitle(caption); }, windowTitle());
    findBar = std::make_unique<FindBar>(
        PnReTop, *captionTimer, [this] { return windowTitle(); }, [this] { return lines->Count(); });
    keyboard = DesktopKeyboardLayout();
    finder = std::make_unique<TextFinder>(*re1Area, *findBar, *keyboard);
    findBar->ConnectTo(*finder);
    rulesView = std::make_unique<WindowForRules>(
        WindowForRules::Parts{*this, PageControl1, TsReIndex, TsSrIndex, *findBar, *viewModes});
    rules = std::make_unique<PartRules>(PartRules::Parts{*re1Area, reading->Controller(), speedReading->Controller(),
                                                         settings, reading->SystemClipboard(), *rulesView, TsReIndex});
    editingView = std::make_unique<WindowEditing>(findBar->Edit1(), Re1);
    editing = std::make_unique<EditingCommands>(*re1Area, reading->SystemClipboard(), *editingView,
                                                [this] { rules->TextEdited(); });
    editing->KnowAbbreviations = [this] { return reading->Controller().CurrentOptions().KnowAbbreviations; };
    appearanceDialogs = std::make_unique<QtAppearanceDialogs>(this);
    appearance = std::make_unique<AppearanceCommands>(settings.Record(), settingsControls, *appearanceDialogs);
}

// Documents convert on a thread of their own; the window takes dropped files from its creation.
void TLektavo::BuildDocuments()
{
    converter = MakeDocumentConverter(settings.Folder());
    loader = std::make_unique<DocumentThread>(*converter);
    documentView = std::make_unique<WindowDocuments>(this);
    Dialogs::OnScreenChanged = [this](bool open) { rules->DialogOpen(open); };
    places = std::make_unique<ReadingPlaces>(settings.Folder() + "Places.json");
    documents = std::make_unique<DocumentCommands>(
        *re1Area, *loader, *documentView, settings.Record(), reading->SystemClipboard(), *places,
        rules->NewTextStopsReaders());
    rules->UseDocuments(*documents);
    reading->UsePronunciation(settings.Folder(), russianVoice.Panel(), *documents);
    audioExport = std::make_unique<SaveAsAudio>(SaveAsAudio::Parts{
        this, *re1Area, foreignVoice.Panel(), russianVoice.Panel(), reading->Controller(),
        [this] { return documents->LastFileName(); }, *exportRenderer});
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
        reading->EnglishRunsCommand(),
        reading->PronunciationCommand(this),
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
    AddHyphenOption(commands, e, *options);
}

// The main menu and the context menus; "Правка" follows the tab.
void TLektavo::BuildMenus()
{
    mainMenu = std::make_unique<MainMenu>(*this, commands, [this] { return rules->MenuState(); });
    if (auto *more = menuBar()->findChild<QWidget *>("qt_menubar_ext_button"))
        more->setAccessibleName(QStringLiteral("Ещё"));
    mainMenu->AttachContextMenu(Re1, "Pu1", [this] { focusBeforePress->GiveBack(); });
    mainMenu->AttachContextMenu(findBar->Edit1(), "Pu2");
    for (const char *display : {"PnSR", "LbWords", "LbSymbols"})
        mainMenu->AttachContextMenu(findChild<QWidget *>(display), "Pu3");
    mainMenu->FollowTab();
}

// The help document opens with the desktop's own program for it, or else in a window of ours;
// nothing is said when it is nowhere to be found (then the program folder is asked for it).
void TLektavo::Help1Click()
{
    const QString found = DataFile(QStringLiteral("Help.html"));
    ShowHelp(this, found.isEmpty() ? settings.HelpPath() : found);
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

// What the settings store restores at start and gathers at exit, each part binding its own.
void TLektavo::BindSettings()
{
    SettingsControls &controls = settingsControls;
    BindPlacement(controls, *this);
    BindTextBackground(controls, PnRe, Re1);
    controls.fonts[SettingsField::TextFont] = [this](const FontDescription &font) {
        viewModes->ShowTextFont(font, lines->Count());
    };
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
    reading->BindSettings(controls, *options);
    speedReading->BindSettings(controls, *options);
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
    rules->RestoreLastText(arguments);
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

    CentreCaretLine(*re1Area, lines->Count());
    SelectRememberedTab();
    FormResize();
    options->SetLocation(settings.Folder());
    TmShowForm->start();
}

void TLektavo::AcLoadSoundExecute()
{
    const SettingsRecord &record = settings.Record();
    LoadSound(foreignVoice.Panel(), russianVoice.Panel(), settings.SettingsLoadFailed(),
              record.SoundData(SettingsField::Sound1), record.SoundData(SettingsField::Sound2));
}

void TLektavo::closeEvent(QCloseEvent *event)
{
    bool closing = true;
    Guarded("FormCloseQuery", [&] { closing = rules->CloseQuery(); });
    event->setAccepted(closing);
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

int TLektavo::VisibleLineCount() const
{
    return lines->Count();
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
    lines->Recount();
    speedReading->Controller().AcStopCounting();
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
