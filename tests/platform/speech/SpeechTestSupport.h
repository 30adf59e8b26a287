#pragma once
#include "platform/speech/MonitorRecorder.h"
#include "platform/speech/SpeechEngine.h"

// The engine number of the first installed voice of this backend and language (and output
// module, for the service); 0 when there is none.
int FindVoice(SpeechVoice::Backend backend, int languageId, const QString &module = {});

// Lets events run until the recording holds sound behind sample `from`; false on time-out.
bool WaitForSound(const MonitorRecorder &recorder, std::size_t from, int timeoutMs = 10000);

// Lets events run for a while.
void RunEvents(int ms);

// Sound in the recording between two moments, as stretches of loud samples.
std::vector<MonitorRecorder::Sound> SoundsBetween(const MonitorRecorder &recorder,
                                                  MonitorRecorder::Clock::time_point from,
                                                  MonitorRecorder::Clock::time_point to);
double Seconds(std::size_t samples);
