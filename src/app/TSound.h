#pragma once
#include "voices/VoicePanelView.h"
#include <QFrame>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QSlider;
class QToolButton;
class VoicePanel;

// The voice panel as the user sees it: the voice list, the test button, the speed, pitch and
// volume sliders and the popup menu PuSound. It shows a VoicePanel, which holds the rules and the
// state, and hands the user's changes to it.
class TSound : public QFrame, private VoicePanelView {
    Q_OBJECT
public:
    static constexpr auto Hint = "Правая кнопка мышки - настройка движков";

    // name: the component name ("Sound1", "Sound2").
    TSound(const QString &name, VoicePanel &panel, QWidget *parent = nullptr);
    ~TSound() override;

    void PuSoundPopup();  // ticks the current filter and shows the matching test phrase

    QComboBox *CbMainCopy = nullptr;
    QToolButton *BitBtn2 = nullptr;
    QLabel *LbSpeed = nullptr, *LbPitch = nullptr, *Label1 = nullptr;
    QSlider *SbSpeed = nullptr, *SbPitch = nullptr, *SbVolume = nullptr;
    QMenu *PuSound = nullptr;
    QAction *PuSoundSpeakEnglish = nullptr, *PuSoundSpeakRussian = nullptr, *N5 = nullptr;
    QAction *PuSoundAllEnjines = nullptr, *PuSoundEnglishEnjines = nullptr, *PuSoundRussianEnjines = nullptr;
    QAction *N1 = nullptr, *PuSoundAllDefault = nullptr, *PuSoundAllTheSame = nullptr;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void BuildPuSound();
    QSlider *NewSlider(const char *name, QLabel *caption, void (VoicePanel::*move)(int), void (VoicePanel::*apply)());

    void ShowVoices(const QStringList &names) override;
    void ShowVoiceIndex(int index) override;
    void ShowSpeed(int position) override;
    void ShowPitch(int position) override;
    void ShowVolume(int position) override;
    void ShowTestPhrase(const QString &phrase) override;

    VoicePanel &panel;
};
