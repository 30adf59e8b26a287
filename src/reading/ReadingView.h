#pragma once
#include "platform/ColorRef.h"
#include <QString>

// The six buttons of the reading tab's top bar, shown in pairs in three slots.
enum class ReadingButton {
    StartSpeaking,  // "Вслух"
    StopSpeaking,   // "Стоп" of a text reading
    StartBuffer,    // "Буфер"
    StopBuffer,     // "Стоп" of a clipboard reading
    Pause,          // "Пауза"
    Resume,         // "Продолжить"
};

// The items of RgLangs "Что получать из буфера": which new clipboard texts are read by themselves.
enum RgLangsItem {
    LangsForeignAndRussian,  // "Иностранный и русский"
    LangsForeign,            // "Иностранный"
    LangsRussian,            // "Русский"
    LangsNothing,            // "Ничего не получать"
};

// What the reading logic drives and reads in the window: the buttons (drawn from the reading
// state), the option controls of the sound tab that follow the options, the text area's focus and
// background, and a few facts about the window.
class ReadingView {
public:
    virtual ~ReadingView() = default;

    virtual void ShowButton(ReadingButton button, bool visible, bool enabled) = 0;
    virtual void FocusButton(ReadingButton button) = 0;  // skipped when it cannot take the focus

    virtual bool TextAreaFocused() const = 0;  // Re1 is the window's focused control
    virtual void FocusTextArea() = 0;
    virtual void SetTextAreaBackground(ColorRef colour) = 0;
    virtual void RestoreTextAreaBackground() = 0;  // the parent panel's colour again

    virtual void SetIgnoreLongEnabled(bool enabled) = 0;
    virtual void SetForeignVoiceGroupEnabled(bool enabled) = 0;  // GbEnglish, greyed when disabled
    virtual void SetRussianVoiceGroupCaption(const QString &caption) = 0;

    virtual void ShowMessage(const QString &message) = 0;  // in the window title, for a while

    virtual bool ReadingTabShown() const = 0;       // "Говорилка" is the active tab
    virtual bool TextEventsSuppressed() const = 0;  // the window is being built or switching tabs
};
