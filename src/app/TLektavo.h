#pragma once
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include "LektavoVersion.h"
#include "settings/SettingsControls.h"
#include <memory>

class CaptionTimer;
class PageSwitch;
class PageSwitchWindow;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QTimer;
class QtTextArea;
class QtTimer;
class ReadingAloud;
class SettingsStore;
class SpeedReader;
class TFormHello;
class TSound;
struct TextView;

// The main window: builds the controls under their component names, composes the controllers of
// each subsystem and wires their events. Created hidden; TmShowForm shows it.
class TLektavo : public QMainWindow {
    Q_OBJECT
public:
    static constexpr auto Caption = "Lektavo " LEKTAVO_VERSION;
    enum Tab { TsReIndex = 0, TsSrIndex = 1, TsSettingsIndex = 2, TsSoundIndex = 3 };

    // programFolder: where the state files live, ending in a slash.
    TLektavo(QStringList arguments, QString programFolder, QPointer<TFormHello> splash = nullptr);
    ~TLektavo() override;

    void BringForward();       // a second start asked this instance to come forward
    void ActivationMessage();  // a sibling program asked the window to come forward
    // Every key pressed in the window, before the focused control; true when it was taken.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

    // Start-up state and paths.
    bool FormStarting = false;
    bool SuppressTextEvents = false;
    QString ProgramFolder, LastEditPath, SettingsPath, TempPath, HelpPath;
    QString InitialCaption;
    double StartTime = 0;

    // Controls, by their component names.
    QWidget *PnForm = nullptr;
    QWidget *PnPageControl = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TsRe = nullptr, *TsSr = nullptr, *TsSettings = nullptr, *TsSound = nullptr;
    QWidget *PnRe = nullptr, *PnReTop = nullptr;
    QPlainTextEdit *Re1 = nullptr, *Re2 = nullptr;
    QWidget *PnSrBase = nullptr;
    QWidget *PnSettings = nullptr;
    QWidget *PnSound = nullptr, *PnSoundLeft = nullptr, *PnSoundRight = nullptr;
    QGroupBox *GbEnglish = nullptr, *GbRussian = nullptr;
    TSound *Sound1 = nullptr, *Sound2 = nullptr;
    QCheckBox *CbAutoActive = nullptr;
    QLabel *LbTest = nullptr;  // invisible, in Re1's font: the height of one text line
    QTimer *TmShowForm = nullptr;
    QtTimer *TmCaption = nullptr;
    // The view commands "Полный экран", "Окно" and "Текст по центру" (checkable).
    QAction *mnScreen = nullptr, *mnWindow = nullptr, *MnTaCenter = nullptr;

    int VisibleLineCount = 0;  // whole text lines that fit in Re1

    void FormResize();
    void mnScreenClick();
    void mnWindowClick();
    void MnTaCenterClick();
    void AcPageControl1Execute();  // the tab switch for the tab shown, once at start
    // The check mark of MnTaCenter and Re1's paragraphs centred or left, nothing stored.
    void SetTextCentred(bool centred);
    // A message in the window title; the title comes back 20 seconds after the first of several.
    void ShowCaptionMessage(const QString &message);

    std::unique_ptr<QtTextArea> Re1Area;  // Re1 as the logic sees it
    std::unique_ptr<ReadingAloud> Reading;
    std::unique_ptr<SpeedReader> SpeedReading;  // "Быстрочиталка" and "Настройки"
    std::unique_ptr<SettingsStore> Settings;  // "Data.dat", "LastEdit" and the settings record

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    QWidget *BuildReadingTab();
    QWidget *BuildSoundTab();
    void FormCreate();
    void AcLoadSoundExecute();
    void RestoreLastText();
    void FormCloseQuery();
    void FormDestroy();
    void TmShowFormTimer();
    void BuildViewParts();
    void SelectRememberedTab();
    void PageControl1Changed(int index);
    void RecomputeVisibleLineCount();
    void LayColumns();
    void PnRight1MouseDown();
    TextView KeepView();

    QStringList arguments;
    QPointer<TFormHello> splash;
    SettingsControls settingsControls;
    bool stateSaved = false;
    std::unique_ptr<CaptionTimer> captionTimer;
    std::unique_ptr<PageSwitchWindow> pageSwitchWindow;
    std::unique_ptr<PageSwitch> pageSwitch;
    int shownPage = TsReIndex;  // the tab before a change
};
