#pragma once
#include "reading/ReadingView.h"
#include <QMap>
#include <QStringList>

// The reading tab and the option controls of the sound tab as plain fields. Buttons start as the
// window shows them: "Вслух", "Буфер" and a disabled "Пауза" visible, their partners hidden.
class FakeReadingView : public ReadingView {
public:
    struct ButtonState {
        bool visible = true;
        bool enabled = true;
    };

    FakeReadingView()
    {
        for (ReadingButton b : {ReadingButton::StopSpeaking, ReadingButton::StopBuffer,
                                ReadingButton::Resume})
            Buttons[b].visible = false;
        Buttons[ReadingButton::Pause].enabled = false;
    }

    QMap<ReadingButton, ButtonState> Buttons;
    QString Focused;  // the button or "Re1" that last took the focus
    bool Re1Focused = false;
    bool BackgroundHighlighted = false;
    ColorRef Background = 0;

    bool IgnoreLongEnabled = true;
    bool ForeignGroupEnabled = true;
    QString RussianGroupCaption = "Русский";

    bool TabShown = true;
    bool Suppressed = false;
    QString Message;  // the last message shown

    void ShowButton(ReadingButton b, bool visible, bool enabled) override { Buttons[b] = {visible, enabled}; }
    void FocusButton(ReadingButton b) override
    {
        if (Buttons[b].visible && Buttons[b].enabled) {
            Focused = Name(b);
            Re1Focused = false;
        }
    }

    bool TextAreaFocused() const override { return Re1Focused; }
    void FocusTextArea() override { Focused = "Re1"; Re1Focused = true; }
    void SetTextAreaBackground(ColorRef colour) override { BackgroundHighlighted = true; Background = colour; }
    void RestoreTextAreaBackground() override { BackgroundHighlighted = false; }

    void SetIgnoreLongEnabled(bool enabled) override { IgnoreLongEnabled = enabled; }
    void SetForeignVoiceGroupEnabled(bool enabled) override { ForeignGroupEnabled = enabled; }
    void SetRussianVoiceGroupCaption(const QString &caption) override { RussianGroupCaption = caption; }

    void ShowMessage(const QString &message) override { Message = message; }

    bool ReadingTabShown() const override { return TabShown; }
    bool TextEventsSuppressed() const override { return Suppressed; }

    // The visible buttons, "!" marking a disabled one, in slot order: "Вслух Буфер !Пауза".
    QString Bar() const
    {
        QStringList shown;
        for (ReadingButton b : {ReadingButton::StartSpeaking, ReadingButton::StopSpeaking,
                                ReadingButton::StartBuffer, ReadingButton::StopBuffer,
                                ReadingButton::Pause, ReadingButton::Resume})
            if (Buttons[b].visible)
                shown << (Buttons[b].enabled ? "" : "!") + Name(b);
        return shown.join(' ');
    }

    static QString Name(ReadingButton b)
    {
        switch (b) {
        case ReadingButton::StartSpeaking: return "Вслух";
        case ReadingButton::StopSpeaking: return "Стоп(текст)";
        case ReadingButton::StartBuffer: return "Буфер";
        case ReadingButton::StopBuffer: return "Стоп(буфер)";
        case ReadingButton::Pause: return "Пауза";
        case ReadingButton::Resume: return "Продолжить";
        }
        return {};
    }
};
