#pragma once
#include "platform/speech/MonitorRecorder.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/speech/SpeechSystem.h"

// The engine number of the first of the voices of this backend and language (and output module,
// for the service); 0 when there is none.
int FindVoice(const QList<SpeechVoice> &voices, SpeechVoice::Backend backend, int languageId,
              const QString &module = {});

// Lets events run until the recording holds sound behind sample `from`; false on time-out.
bool WaitForSound(const MonitorRecorder &recorder, std::size_t from, int timeoutMs = 10000);

// Lets events run for a while.
void RunEvents(int ms);

// Sound in the recording between two moments, as stretches of loud samples.
std::vector<MonitorRecorder::Sound> SoundsBetween(const MonitorRecorder &recorder,
                                                  MonitorRecorder::Clock::time_point from,
                                                  MonitorRecorder::Clock::time_point to);
double Seconds(std::size_t samples);

// Speaks text to its end without interruption: how long it sounded in seconds, -1 when the end
// was not told. stops counts the ends the engine tells.
double PlainDuration(const MonitorRecorder &recorder, TDirectSS &engine, const int &stops,
                     const QString &text);

// A word an engine told while speaking, and when it came.
struct HeardWord {
    QString word;
    MonitorRecorder::Clock::time_point at;
};

// Listens to an engine's words while it speaks text.
void ListenForWords(TDirectSS &engine, const QString &text, QList<HeardWord> &heard);

// Speaks text, whose words are set apart by pauses, to its end: what is wrong with the words the
// engine told. They must be those words in order, each told after the sound of the word before
// it began and before the sound of the word after it. Empty when nothing is.
QString WordsOffTheirSound(const MonitorRecorder &recorder, TDirectSS &engine, const int &stops,
                           const QString &text, const QStringList &words);
