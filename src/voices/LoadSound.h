#pragma once
#include <QByteArrayView>

class VoicePanel;

// The two voice panels at start-up: the catalogue is read once through the first panel's engine
// and copied to the second, both take their defaults, then each applies its saved record. After a
// failed settings load (or with a record that is too short) the first panel lists the English
// voices and the second the Russian ones, each with the first voice of its list chosen.
// A failure of the engines never ends the start-up: each panel keeps what it reached.
void LoadSound(VoicePanel &sound1, VoicePanel &sound2, bool settingsLoadFailed,
               QByteArrayView soundData1, QByteArrayView soundData2);
