#pragma once
#include "reading/ReadingView.h"
#include <QObject>
#include <functional>

class ClipboardMonitor;
class QGroupBox;
class QPlainTextEdit;
class QTabWidget;
class QWidget;
class ReadingBar;
class ReadingController;
class ReadingOptions;

// The reading logic's view of the main window: the top bar's buttons, the options of the sound
// tab, the text area Re1 with its focus and background, the voice groups and the tabs. It also
// hands Re1's mouse presses, focus changes, text and selection changes to the logic.
class ReadingWindowView : public QObject, public ReadingView {
    Q_OBJECT
public:
    ReadingWindowView(ReadingBar &bar, ReadingOptions &options, QPlainTextEdit *re1,
                      QObject *parent = nullptr);

    // Parts of the window beyond the reading controls; each may stay unset.
    QGroupBox *ForeignVoiceGroup = nullptr;  // GbEnglish
    QGroupBox *RussianVoiceGroup = nullptr;  // GbRussian
    QWidget *SpeedReaderStart = nullptr;     // BtStart
    QTabWidget *Pages = nullptr;
    int ReadingPage = 0;
    std::function<bool()> Suppressed;   // SuppressTextEvents
    std::function<void()> StoreOptions;  // an option control changed

    void ForwardTextAreaEvents(ReadingController &controller, ClipboardMonitor &monitor);

    bool ButtonVisible(ReadingButton button) const override;
    bool ButtonEnabled(ReadingButton button) const override;
    void SetButtonVisible(ReadingButton button, bool visible) override;
    void SetButtonEnabled(ReadingButton button, bool enabled) override;
    void FocusButton(ReadingButton button) override;

    bool TextAreaFocused() const override;
    void FocusTextArea() override;
    void SetTextAreaBackground(ColorRef colour) override;
    void RestoreTextAreaBackground() override;

    int ExtraPauseSeconds() const override;
    bool LangApartChecked() const override;
    bool AutoBufferChecked() const override;
    bool IgnoreLongChecked() const override;
    int LangsIndex() const override;
    void SetIgnoreLongEnabled(bool enabled) override;
    void SetForeignVoiceGroupEnabled(bool enabled) override;
    void SetRussianVoiceGroupCaption(const QString &caption) override;
    void OptionsChanged() override;

    void SetSpeedReaderStartEnabled(bool enabled) override;
    bool ReadingTabShown() const override;
    bool TextEventsSuppressed() const override;
    void ProcessEvents() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ReadingBar &bar;
    ReadingOptions &options;
    QPlainTextEdit *re1;
    ReadingController *controller = nullptr;
};
