#pragma once
#include "voices/SoundData.h"
#include "voices/VoiceCatalogue.h"
#include <QStringList>
#include <array>

class TDirectSS;
class Timer;
class VoicePanelView;

// One voice panel: the voice list over the catalogue, the speed, pitch and volume remembered per
// voice, and the engine it drives. The slider positions run from 1 to 100; the engine values are
// mapped linearly onto the ranges of the chosen voice.
class VoicePanel {
public:
    static constexpr int FilterAll = 0, FilterEnglish = 1, FilterRussian = 2;
    static constexpr int FilterCount = 3;
    static constexpr int SpeedAttempts = 11;
    static constexpr int PitchAttempts = 5;
    static constexpr int Timer1Interval = 500;
    static constexpr int SliderMin = 1, SliderMax = 100;
    static constexpr int DefaultSpeedPosition = 12, DefaultVolumePosition = 90,
                         DefaultPitchPosition = 12;
    static inline const QString EnglishPhrase = QStringLiteral("That's how I speak English");
    static inline const QString RussianPhrase = QStringLiteral("Так я говорю по-русски");

    using EngineMapTable = std::array<std::array<qint32, SoundData::EntryCount>, FilterCount>;

    // The panel takes over Timer1's OnTimer; Timer1 starts enabled. The engine's end-of-speech
    // notification is not the panel's: whoever has the engine speak subscribes to it.
    VoicePanel(TDirectSS &ds, Timer &timer1);
    ~VoicePanel();
    VoicePanel(const VoicePanel &) = delete;
    VoicePanel &operator=(const VoicePanel &) = delete;

    void SetView(VoicePanelView *view) { this->view = view; }
    TDirectSS &Ds() const { return ds; }

    // Catalogue and voice list.
    void LoadSg();
    const VoiceCatalogue &Sg() const { return sg; }
    void SetSg(const VoiceCatalogue &catalogue) { sg = catalogue; }
    void LoadCbMain();
    int Number() const;
    const EngineMapTable &EngineMap() const { return engineMap; }

    // The hidden filter box and voice list. An index outside the items leaves nothing chosen.
    int CbLanguageIndex() const { return cbLanguageIndex; }
    void SetCbLanguageIndex(int index);
    const QStringList &CbMainItems() const { return cbMainItems; }
    int CbMainIndex() const { return cbMainIndex; }
    void SetCbMainIndex(int index);

    // Sliders as moved by the user or by code: a new position runs the slider's change handler.
    int SbSpeedPosition() const { return sbSpeed; }
    int SbPitchPosition() const { return sbPitch; }
    int SbVolumePosition() const { return sbVolume; }
    void MoveSbSpeed(int position);
    void MoveSbPitch(int position);
    void MoveSbVolume(int position);
    int UdSpeed() const { return udSpeed; }
    int UdPitch() const { return udPitch; }

    int SpeedMin() const { return speedMin; }
    int SpeedMax() const { return speedMax; }
    int PitchMin() const { return pitchMin; }
    int PitchMax() const { return pitchMax; }
    bool IsRussianVoice() const { return isRussianVoice; }

    const SoundData &Data() const { return data; }
    void SetData(const SoundData &record) { data = record; }

    // Event handlers.
    void CbMainCopyChange(int index);
    void CbMainChange();
    void CbLanguageChange();
    void SbSpeedChange();
    void SbPitchChange();
    void SbSpeedEnter();
    void SbSpeedExit();
    void SbPitchEnter();
    void SbPitchExit();
    void SbVolumeChange();
    void BtHowISpeakClick();
    void Timer1Timer();

    // The popup menu PuSound.
    void PuSoundSpeakEnglishClick();
    void PuSoundSpeakRussianClick();
    void PuSoundAllEnjinesClick() { ChooseFilter(FilterAll); }
    void PuSoundEnglishEnjinesClick() { ChooseFilter(FilterEnglish); }
    void PuSoundRussianEnjinesClick() { ChooseFilter(FilterRussian); }
    void PuSoundAllDefaultClick();
    void PuSoundAllTheSameClick();

    // The record.
    void LoadDefault();
    void SoundDataToSetting();

private:
    VoiceSetting &CurrentSetting() { return data.VoiceSettings[Number()]; }
    bool MoveSlider(int &slider, int position);
    void ChooseFilter(int filter);
    void ReadRanges();
    void Say(const QString &phrase);

    TDirectSS &ds;
    Timer &timer1;
    VoicePanelView *view = nullptr;

    VoiceCatalogue sg;
    EngineMapTable engineMap{};
    int cbLanguageIndex = FilterAll;
    QStringList cbMainItems;
    int cbMainIndex = -1;

    int sbSpeed = SliderMin, sbPitch = SliderMin, sbVolume = SliderMin;
    int udSpeed = 0, udPitch = 0;
    int speedMin = 0, speedMax = 0, pitchMin = 0, pitchMax = 0;
    bool isRussianVoice = false;
    SoundData data;
};
