#include "voices/VoicePanel.h"
#include "platform/LanguageIds.h"
#include "platform/TDirectSS.h"
#include "platform/Guarded.h"
#include "platform/Timer.h"
#include "voices/VoicePanelView.h"
#include <algorithm>

namespace {

// Engines refuse some writes now and then; a write is tried a fixed number of times, then dropped.
template <typename Write>
void WriteWithRetries(const char *what, int attempts, Write write)
{
    for (int attempt = 0; attempt < attempts; ++attempt)
        if (Guarded(what, write))
            return;
}

}

VoicePanel::VoicePanel(TDirectSS &ds, Timer &timer1) : ds(ds), timer1(timer1)
{
    timer1.OnTimer = [this] { Timer1Timer(); };
    timer1.SetInterval(Timer1Interval);
    timer1.SetEnabled(true);
}

VoicePanel::~VoicePanel()
{
    timer1.OnTimer = nullptr;
}

void VoicePanel::LoadSg()
{
    sg.LoadSg(ds);
}

void VoicePanel::LoadCbMain()
{
    cbMainItems.clear();
    const int filter = cbLanguageIndex;
    static const QString tags[FilterCount] = {{}, QStringLiteral("Eng"), QStringLiteral("Rus")};
    if (filter >= 0 && filter < FilterCount) {
        for (int row = 1; row < sg.RowCount(); ++row) {
            if (filter != FilterAll && sg.At(row).Tag != tags[filter])
                continue;
            engineMap[filter][cbMainItems.size()] = row;
            cbMainItems.append(sg.At(row).Name);
        }
    }
    cbMainIndex = -1;
    if (view) {
        view->ShowVoices(cbMainItems);
        view->ShowVoiceIndex(cbMainIndex);
    }
}

int VoicePanel::Number() const
{
    if (cbLanguageIndex < 0 || cbMainIndex < 0)
        return 0;
    return engineMap[cbLanguageIndex][cbMainIndex];
}

void VoicePanel::SetCbLanguageIndex(int index)
{
    cbLanguageIndex = index >= 0 && index < FilterCount ? index : -1;
}

void VoicePanel::SetCbMainIndex(int index)
{
    cbMainIndex = index >= 0 && index < cbMainItems.size() ? index : -1;
}

bool VoicePanel::MoveSlider(int &slider, int position)
{
    position = std::clamp(position, SliderMin, SliderMax);
    if (position == slider)
        return false;
    slider = position;
    return true;
}

void VoicePanel::MoveSbSpeed(int position)
{
    if (!MoveSlider(sbSpeed, position))
        return;
    if (view)
        view->ShowSpeed(sbSpeed);
    SbSpeedChange();
}

void VoicePanel::SbSpeedChange()
{
    CurrentSetting().SpeedPosition = sbSpeed;
}

void VoicePanel::MoveSbPitch(int position)
{
    if (!MoveSlider(sbPitch, position))
        return;
    if (view)
        view->ShowPitch(sbPitch);
    SbPitchChange();
}

void VoicePanel::SbPitchChange()
{
    CurrentSetting().PitchPosition = sbPitch;
}

void VoicePanel::MoveSbVolume(int position)
{
    if (!MoveSlider(sbVolume, position))
        return;
    if (view)
        view->ShowVolume(sbVolume);
    SbVolumeChange();
}

void VoicePanel::CbMainCopyChange(int index)
{
    SetCbMainIndex(index);
    CbMainChange();
}

void VoicePanel::CbMainChange()
{
    if (view)
        view->ShowVoiceIndex(cbMainIndex);
    timer1.SetEnabled(true);
    Guarded("select the voice", [&] { ds.Select(Number()); });
    data.VoiceIndex = cbMainIndex;

    const VoiceSetting setting = CurrentSetting();
    MoveSbSpeed(setting.SpeedPosition);
    MoveSbVolume(setting.VolumePosition);
    MoveSbPitch(setting.PitchPosition);

    Guarded("read the voice's ranges", [&] { ReadRanges(); });
    isRussianVoice = ds.LanguageId(Number()) == RussianLanguageId;
    if (view)
        view->ShowTestPhrase(isRussianVoice ? RussianPhrase : EnglishPhrase);

    Guarded("SbSpeedExit", [&] { SbSpeedExit(); });
    Guarded("SbPitchExit", [&] { SbPitchExit(); });
    Guarded("SbVolumeChange", [&] { SbVolumeChange(); });
}

void VoicePanel::ReadRanges()
{
    if (AsciiUpper(ds.ProductName(Number())) == u"DIGALO") {
        speedMax = 190;
        speedMin = 75;
        pitchMax = 200;
        pitchMin = 80;
        return;
    }
    speedMax = ds.MaxSpeed();
    speedMin = ds.MinSpeed();
    pitchMax = ds.MaxPitch();
    pitchMin = ds.MinPitch();
}

void VoicePanel::CbLanguageChange()
{
    LoadCbMain();
    SetCbMainIndex(0);
    data.LanguageFilter = cbLanguageIndex;
    CbMainChange();
}

void VoicePanel::SbSpeedEnter()
{
    Guarded("SbSpeedEnter", [&] { ds.AudioReset(); });
}

void VoicePanel::SbPitchEnter()
{
    Guarded("SbPitchEnter", [&] { ds.AudioReset(); });
}

void VoicePanel::SbSpeedExit()
{
    const int value = EngineValue(speedMin, speedMax, sbSpeed);
    WriteWithRetries("set the speed", SpeedAttempts, [&] { ds.SetSpeed(value); });
    CurrentSetting().SpeedPosition = sbSpeed;
    udSpeed = sbSpeed;
}

void VoicePanel::SbPitchExit()
{
    const int value = EngineValue(pitchMin, pitchMax, sbPitch);
    WriteWithRetries("set the pitch", PitchAttempts, [&] { ds.SetPitch(value); });
    CurrentSetting().PitchPosition = sbPitch;
    udPitch = sbPitch;
}

void VoicePanel::SbVolumeChange()
{
    Guarded("set the volume", [&] {
        const int maximum = ds.MaxVolumeLeft();
        const int minimum = ds.MinVolumeLeft();
        ds.SetVolumeLeft(EngineValue(minimum, maximum, sbVolume));
        CurrentSetting().VolumePosition = sbVolume;
        ds.SetVolumeRight(ds.VolumeLeft());
    });
}

// The phrase sounds as the sliders stand, also when the slider moved last has not been left yet
// (the test button takes no focus from it, nor does the popup menu).
void VoicePanel::Say(const QString &phrase)
{
    ds.AudioReset();
    SbSpeedExit();
    SbPitchExit();
    ds.Speak(phrase);
}

void VoicePanel::BtHowISpeakClick()
{
    Say(isRussianVoice ? RussianPhrase : EnglishPhrase);
}

void VoicePanel::PuSoundSpeakEnglishClick()
{
    Say(EnglishPhrase);
}

void VoicePanel::PuSoundSpeakRussianClick()
{
    Say(RussianPhrase);
}

// Some engines report a speed range that starts too high for comfortable listening; theirs
// starts at 33. The speed is nudged first so that the engine takes the new value afresh.
void VoicePanel::Timer1Timer()
{
    timer1.SetEnabled(false);
    if (AsciiUpper(ds.MfgName(Number())).left(2) != u"AT")
        return;
    speedMin = 33;
    ds.SetSpeed(ds.Speed() + 1);
    SbSpeedExit();
}

void VoicePanel::ChooseFilter(int filter)
{
    if (cbLanguageIndex == filter)
        return;
    SetCbLanguageIndex(filter);
    CbLanguageChange();
}

void VoicePanel::PuSoundAllDefaultClick()
{
    LoadDefault();
    SoundDataToSetting();
}

void VoicePanel::PuSoundAllTheSameClick()
{
    const VoiceSetting current = CurrentSetting();
    data.VoiceSettings.fill(current);
}

void VoicePanel::LoadDefault()
{
    data.VoiceSettings.fill({DefaultSpeedPosition, DefaultVolumePosition, DefaultPitchPosition});
}

void VoicePanel::SoundDataToSetting()
{
    Guarded("SoundDataToSetting", [&] {
        SetCbLanguageIndex(data.LanguageFilter);
        LoadCbMain();
        SetCbMainIndex(data.VoiceIndex);
        ds.Select(Number());
        CbMainChange();
    });
}
