#pragma once
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include "settings/SettingsControls.h"
#include <memory>

class QCheckBox;
class QGroupBox;
class QPlainTextEdit;
class QTabWidget;
class QTimer;
class QtTextArea;
class ReadingAloud;
class SettingsStore;
class TFormHello;
class TSound;

// The main window: builds the controls under their component names, composes the controllers of
// each subsystem and wires their events. Created hidden; TmShowForm shows it.
class TLektavo : public QMainWindow {
    Q_OBJECT
public:
    static constexpr auto Caption = "Lektavo 3.19";
    enum Tab { TsReIndex = 0, TsSrIndex = 1, TsSettingsIndex = 2, TsSoundIndex = 3 };

    // programFolder: where the state files live, ending in a slash.
    TLektavo(QStringList arguments, QString programFolder, QPointer<TFormHello> splash = nullptr);
    ~TLektavo() override;

    void BringForward();       // a second start asked this instance to come forward
    void ActivationMessage();  // a sibling program asked the window to come forward

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
    QTimer *TmShowForm = nullptr;

    std::unique_ptr<QtTextArea> Re1Area;  // Re1 as the logic sees it
    std::unique_ptr<ReadingAloud> Reading;
    std::unique_ptr<SettingsStore> Settings;  // "Data.dat", "LastEdit" and the settings record

protected:
    void closeEvent(QCloseEvent *event) override;

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

    QStringList arguments;
    QPointer<TFormHello> splash;
    SettingsControls settingsControls;
    bool stateSaved = false;
};
