#pragma once
#include "reading/ReadingView.h"
#include <QObject>
#include <functional>

class ClipboardMonitor;
class TextEventGate;
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
                      const TextEventGate &textEvents, QObject *parent = nullptr);

    // Parts of the window beyond the reading controls; each may stay unset.
    QGroupBox *ForeignVoiceGroup = nullptr;  // GbEnglish
    QGroupBox *RussianVoiceGroup = nullptr;  // GbRussian
    QTabWidget *Pages = nullptr;
    int ReadingPage = 0;
    std::function<void(const QString &)> ShowCaptionMessage;

    // Re1's mouse presses, focus changes and selection changes go to the logic; its text changes
    // go to onTextChange, which tells the reading and whoever else follows the text.
    void ForwardTextAreaEvents(ReadingController &controller, ClipboardMonitor &monitor,
                               std::function<void()> onTextChange);

    void ShowButton(ReadingButton button, bool visible, bool enabled) override;
    void FocusButton(ReadingButton button) override;

    bool TextAreaFocused() const override;
    void FocusTextArea() override;
    void SetTextAreaBackground(ColorRef colour) override;
    void RestoreTextAreaBackground() override;

    void SetIgnoreLongEnabled(bool enabled) override;
    void SetForeignVoiceGroupEnabled(bool enabled) override;
    void SetRussianVoiceGroupCaption(const QString &caption) override;

    void ShowMessage(const QString &message) override;

    bool ReadingTabShown() const override;
    bool TextEventsSuppressed() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ReadingBar &bar;
    ReadingOptions &options;
    QPlainTextEdit *re1;
    const TextEventGate &textEvents;
    ReadingController *controller = nullptr;
};
