#pragma once
#include "app/CommandTable.h"
#include "app/ReadingBar.h"
#include "app/ReadingWindowView.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtTextArea.h"
#include "platform/qt/QtTimer.h"
#include "reading/ClipboardMonitor.h"
#include "reading/LanguageDispatch.h"
#include "reading/ReadingController.h"
#include "reading/SentenceStepper.h"
#include "workspace/PronunciationCommands.h"
#include <QPointer>
#include <functional>
#include <memory>

class DocumentCommands;
class PronunciationDialog;
class VoicePanel;

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class OptionsStore;
class QTabWidget;
class SoundPage;
class TDirectSS;
class TextArea;
class TextEventGate;
struct SettingsControls;

// Reading aloud in the main window: the top bar of the reading tab, the reading options of the
// sound tab, the hidden Re2, the pause timer TmSleep and the clipboard monitor with TmBuffer,
// composed around the reading controller and speaking through the two voice channels' engines.
class ReadingAloud {
public:
    struct Parts {
        QWidget *pnReTop;
        QPlainTextEdit *re1, *re2;
        TextArea &re1Area;  // Re1 as the logic sees it
        SoundPage &soundPage;
        QTabWidget *pages;
        int readingPage;
        TDirectSS &foreignEngine, &russianEngine;
        const TextEventGate &textEvents;
        // Re1's text has changed: whether it holds more than blanks now.
        std::function<void(bool textAvailable)> textAvailabilityChanged;
        std::function<void(const QString &)> showCaptionMessage;  // a failure the user is told of
        QObject *owner;  // the window, for the timers
    };

    explicit ReadingAloud(const Parts &parts);
    ReadingAloud(const ReadingAloud &) = delete;
    ReadingAloud &operator=(const ReadingAloud &) = delete;

    // At the window's creation: the clipboard's text is not new, "Вслух" needs a text.
    void FormCreate();
    // The options of the sound tab and the voice groups that follow them; the colours of a text
    // reading, which LbTest shows too.
    void BindSettings(SettingsControls &controls, OptionsStore &switches);
    // "Английские вставки — английским голосом", a switch of the program's own.
    Command EnglishRunsCommand();
    // The pronunciation dictionary for every text from the program folder and the one of the book
    // shown, read by the Russian voice in the form its module understands; lines that make no
    // sense are told of.
    void UsePronunciation(const QString &programFolder, const VoicePanel &russianVoice, DocumentCommands &documents);
    // "Произношение...": the word selected in Re1 or at its caret, in a dialog over window that
    // stays beside it (one at a time). What it plays stops the reading under way.
    Command PronunciationCommand(QWidget *window);
    void SetVisibleLineCount(int lines) { stepper.VisibleLineCount = lines; }
    void StopVoices() { dispatch.ResetVoices(); }

    ReadingController &Controller() { return controller; }
    Clipboard &SystemClipboard() { return clipboard; }

private:
    ReadingBar bar;
    ReadingOptions *options;
    QCheckBox *cbMarkWord;
    QLabel *lbTest;
    ReadingWindowView view;
    QtTextArea re2;
    SentenceStepper stepper;
    PronunciationDictionary pronunciation;
    std::unique_ptr<PronunciationCommands> pronunciationCommands;
    std::function<QString(const QString &word)> transcription;  // as the Russian voice reads it
    QPointer<PronunciationDialog> pronunciationDialog;
    TextArea &re1Area;
    LanguageDispatch dispatch;
    QtTimer tmSleep, tmBuffer;
    QtClipboard clipboard;
    ReadingController controller;
    ClipboardMonitor monitor;
};
