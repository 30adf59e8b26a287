#include "voices/LoadSound.h"
#include "platform/Guarded.h"
#include "voices/VoicePanel.h"

namespace {

void ChooseFirstVoice(VoicePanel &panel, int filter)
{
    panel.SetCbLanguageIndex(filter);
    Guarded("CbLanguageChange", [&] { panel.CbLanguageChange(); });
}

void RestorePanel(VoicePanel &panel, bool settingsLoadFailed, QByteArrayView saved, int firstRunFilter)
{
    const auto record = settingsLoadFailed ? std::nullopt : SoundData::FromBytes(saved);
    if (!record) {
        ChooseFirstVoice(panel, firstRunFilter);
        return;
    }
    panel.SetData(*record);
    panel.SoundDataToSetting();
}

}

void LoadSound(VoicePanel &sound1, VoicePanel &sound2, bool settingsLoadFailed,
               QByteArrayView soundData1, QByteArrayView soundData2)
{
    Guarded("LoadSg", [&] { sound1.LoadSg(); });
    sound2.SetSg(sound1.Sg());
    sound1.LoadDefault();
    sound2.LoadDefault();
    RestorePanel(sound1, settingsLoadFailed, soundData1, VoicePanel::FilterEnglish);
    RestorePanel(sound2, settingsLoadFailed, soundData2, VoicePanel::FilterRussian);
}
