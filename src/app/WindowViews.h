#pragma once
#include "app/PageSwitch.h"
#include "workspace/EditingView.h"
#include "workspace/PartRules.h"

class FindBar;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;
class QTabWidget;
class QWidget;
class ReadingAloud;
class TextAreaLines;
class ViewModes;

// The main window as the tab switch drives it.
class SwitchedWindow : public PageSwitchWindow {
public:
    SwitchedWindow(QWidget &window, QPlainTextEdit *re1, QTabWidget *tabs, ReadingAloud &reading,
                   const TextAreaLines &lines);

    void StopVoices() override;
    void ShowTextArea(bool shown) override;
    void Repaint() override;
    void SetWordWrap(bool on) override;
    void FocusTabControl() override;
    int VisibleLineCount() const override;

private:
    QWidget &window;
    QPlainTextEdit *re1;
    QTabWidget *tabs;
    ReadingAloud &reading;
    const TextAreaLines &lines;
};

// The window as the editing commands reach it: the find field, the text area's focus, the pointer.
class WindowEditing : public EditingView {
public:
    WindowEditing(QLineEdit *edit1, QPlainTextEdit *re1) : edit1(edit1), re1(re1) {}

    bool FindFieldFocused() const override;
    void SelectAllInFindField() override;
    void CutFromFindField() override;
    void CopyFromFindField() override;
    void PasteIntoFindField(const QString &text) override;
    void FocusTextArea() override;
    void ShowBusy(bool busy) override;

private:
    QLineEdit *edit1;
    QPlainTextEdit *re1;
};

// The window as the rules between its parts see it: the tab shown, the window's own facts for the
// menus, and a question as a message box.
class WindowForRules : public PartRulesView {
public:
    struct Parts {
        QMainWindow &window;
        QTabWidget *tabs;
        int readingTab, speedReaderTab;
        const FindBar &findBar;
        const ViewModes &viewModes;
    };
    explicit WindowForRules(const Parts &parts) : parts(parts) {}

    bool ReadingTabShown() const override;
    bool SpeedReaderTabShown() const override;
    MenuFacts WindowFacts() const override;
    int Ask(const QString &question, const QStringList &buttons) override;

private:
    Parts parts;
};
