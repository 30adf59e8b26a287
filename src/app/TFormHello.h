#pragma once
#include <QWidget>
#include <functional>

// The splash: a borderless dark-magenta panel with "Lektavo" that stays until the main window
// is shown and closes itself when it loses activation.
class TFormHello : public QWidget {
    Q_OBJECT
public:
    static constexpr auto MissingSpeechMessage =
        "Чтобы эта программа работала, необходимо сначала установить SpeechAPI";

    TFormHello();

    // The speech presence check: false (after the message) when no engine can speak.
    bool FormCreate(const std::function<bool()> &speechAvailable);

    void FormDeactivate();  // hides and destroys the splash

protected:
    void changeEvent(QEvent *event) override;
};
