#pragma once
#include "LektavoVersion.h"
#include "app/CommandTable.h"
#include "app/TextEventGate.h"
#include "settings/SettingsControls.h"
#include "settings/QSettingsOptions.h"
#include "settings/SettingsStore.h"
#include "voices/VoiceChannel.h"
#include "workspace/PartRules.h"
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

class AppearanceCommands;
class CaptionTimer;
class DocumentCommands;
class DocumentConverter;
class DocumentLoader;
class DocumentView;
class EditingCommands;
class EditingView;
class FindBar;
class FocusBeforePress;
class KeyboardLayout;
class ListeningParts;
class MainMenu;
class PageSwitch;
class PageSwitchWindow;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QTimer;
class QtTextArea;
class ReadingAloud;
class ReadingController;
class ReadingPlaces;
class SaveAsAudio;
class SoundPage;
class SpeedReader;
class SpeedReaderController;
class QtAppearanceDialogs;
class TFormHello;
class TextArea;
class TextAreaLines;
class TextFinder;
class ViewModes;

// The main window: builds the controls under their component names, composes the parts of each
// subsystem around the two voice channels and wires their events. Created hidden; TmShowForm
// shows it. Other code reaches a part through its controller, never through the window's controls.
class TLektavo : public QMainWindow {
    Q_OBJECT
public:
    static constexpr auto Caption = "Lektavo " LEKTAVO_VERSION;
    static constexpr auto LastTextNotKeptMessage = PartRules::LastTextNotKeptMessage;
    enum Tab { TsReIndex = 0, TsSrIndex = 1, TsSettingsIndex = 2, TsSoundIndex = 3 };

    // programFolder: where the state files live, ending in a slash. The window speaks through
    // the engines it is given and keeps the options "Data.dat" does not hold in options.
    TLektavo(QStringList arguments, QString programFolder, VoiceEngines engines, TFormHello *splash = nullptr,
             std::unique_ptr<OptionsStore> options = std::make_unique<QSettingsOptions>());
    ~TLektavo() override;

    void BringForward();       // a second start asked this instance to come forward
    void ActivationMessage();  // a sibling program asked the window to come forward
    // A later start handed over a document: it opens as a dropped file, and the window comes
    // forward.
    void OpenDocument(const QString &path);

    TextArea &Text();  // Re1 as the logic sees it
    ReadingController &Reading();
    SpeedReaderController &SpeedReading();
    SettingsStore &Settings() { return settings; }
    const VoicePanel &ForeignVoice() const { return foreignVoice.Panel(); }
    const VoicePanel &RussianVoice() const { return russianVoice.Panel(); }
    QAction *Command(const QString &name) const { return commands.Action(name); }
    int VisibleLineCount() const;  // whole text lines that fit in Re1
    // A message in the window title; the title comes back 20 seconds after the first of several.
    void ShowCaptionMessage(const QString &message);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildControls();
    void BuildParts();
    void BuildWorkspace();
    void BuildDocuments();
    void BuildCommands();
    void BuildMenus();
    void Help1Click();
    void About1Click();
    void MnFind1Click();
    void BindSettings();
    void FormCreate();
    void AcLoadSoundExecute();
    void FormDestroy();
    void TmShowFormTimer();
    void SelectRememberedTab();
    void PageControl1Changed(int index);
    void FormResize();

    QStringList arguments;
    QPointer<TFormHello> splash;
    SettingsStore settings;  // "Data.dat", "LastEdit" and the settings record
    std::unique_ptr<OptionsStore> options;
    TextEventGate textEvents;
    VoiceChannel foreignVoice, russianVoice;  // Sound1 and Sound2
    std::unique_ptr<SpeechRenderer> exportRenderer;  // "Сохранить как аудио..." renders with it

    QTabWidget *PageControl1 = nullptr;
    QWidget *TsSound = nullptr;
    QWidget *PnRe = nullptr, *PnReTop = nullptr, *PnSrBase = nullptr, *PnSettings = nullptr;
    QPlainTextEdit *Re1 = nullptr, *Re2 = nullptr;
    QTimer *TmShowForm = nullptr;

    std::unique_ptr<QtTextArea> re1Area;
    std::unique_ptr<SoundPage> soundPage;
    std::unique_ptr<ReadingAloud> reading;
    std::unique_ptr<SpeedReader> speedReading;  // "Быстрочиталка" and "Настройки"
    std::unique_ptr<ViewModes> viewModes;
    // The filters on the window's controls, let go before the controls.
    std::vector<std::unique_ptr<QObject>> filters;
    TextAreaLines *lines = nullptr;                // one of the filters
    FocusBeforePress *focusBeforePress = nullptr;  // one of the filters
    std::unique_ptr<PartRulesView> rulesView;
    std::unique_ptr<PartRules> rules;
    std::unique_ptr<CaptionTimer> captionTimer;
    std::unique_ptr<FindBar> findBar;
    std::unique_ptr<KeyboardLayout> keyboard;
    std::unique_ptr<TextFinder> finder;
    std::unique_ptr<EditingView> editingView;
    std::unique_ptr<EditingCommands> editing;
    std::unique_ptr<QtAppearanceDialogs> appearanceDialogs;
    std::unique_ptr<AppearanceCommands> appearance;
    std::unique_ptr<DocumentConverter> converter;
    std::unique_ptr<DocumentLoader> loader;
    std::unique_ptr<DocumentView> documentView;
    std::unique_ptr<ReadingPlaces> places;
    std::unique_ptr<DocumentCommands> documents;
    std::unique_ptr<MainMenu> mainMenu;
    std::unique_ptr<SaveAsAudio> audioExport;
    std::unique_ptr<ListeningParts> listening;  // created last, let go first
    CommandTable commands;
    std::unique_ptr<PageSwitchWindow> pageSwitchWindow;
    std::unique_ptr<PageSwitch> pageSwitch;
    SettingsControls settingsControls;
    int shownPage = TsReIndex;  // the tab before a change
    bool stateSaved = false;
};
