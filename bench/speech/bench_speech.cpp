// Time to first sound and the gap between utterances, for the embedded engine and for
// speech-dispatcher, measured on what the null sink actually played: its monitor is recorded and
// every recorded sample placed on the steady clock (see MonitorRecorder). First sound: from the
// call of Speak to the first loud sample. Gap: the next Speak is called from the OnAudioStop
// handler; the quiet stretch between the last loud sample of one utterance and the first of the
// next, found on the recording around the time of that call. Medians of several utterances.
// Resume repeat (speech-dispatcher): a long sentence is paused at a different moment each time
// and resumed; what is heard before the pause and after the resume, less the sentence read
// without a pause, is what was heard twice. Word mark lag: words set apart by commas,
// from the first loud sample of each word to OnWord telling it. End late: from the last loud
// sample of a sentence to OnAudioStop telling its end.
#include "platform/speech/SpeechEngine.h"
#include "platform/speech/SpeechSystem.h"
#include "../SoundMeasures.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

using namespace SoundMeasures;
constexpr int Trials = 8;
const QStringList Sentences{"This is the first sentence.", "Here comes another one.",
                            "And the reading goes on.", "A short line."};
const QString LongSentence = "This sentence is long enough to be paused in the middle, and then "
                             "it goes on from the word where it was held, to its very end.";
const QString Colours = "Red, green, blue, yellow, black, white.";

int FindVoice(const QList<SpeechVoice> &voices, SpeechVoice::Backend backend, const QString &product,
              int languageId)
{
    for (int i = 0; i < voices.size(); ++i)
        if (voices[i].backend == backend && voices[i].languageId == languageId
            && (product.isEmpty() || voices[i].productName == product))
            return i + 1;
    return 0;
}

bool WaitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

double FirstSound(MonitorRecorder &recorder, SpeechEngine &engine)
{
    std::vector<double> delays;
    int stops = 0;
    engine.OnAudioStop = [&](TDirectSS *, quint32, quint32) { ++stops; };
    for (int trial = 0; trial < Trials; ++trial) {
        const Clock::time_point start = Clock::now();
        engine.Speak(Sentences[trial % Sentences.size()]);
        if (!WaitFor([&] { return stops > trial; }, 10000))
            break;
        WaitFor([] { return false; }, 100);  // the recording catches up
        if (const auto onset = FirstSoundAfter(recorder, start))
            delays.push_back(Ms(*onset - start));
    }
    return Median(delays);
}

double Gap(MonitorRecorder &recorder, SpeechEngine &engine)
{
    std::vector<Clock::time_point> speakTimes;
    engine.OnAudioStop = [&](TDirectSS *, quint32, quint32) {
        if (int(speakTimes.size()) >= Trials + 1)
            return;
        speakTimes.push_back(Clock::now());
        engine.Speak(Sentences[speakTimes.size() % Sentences.size()]);
    };
    speakTimes.push_back(Clock::now());
    engine.Speak(Sentences[0]);
    WaitFor([&] { return int(speakTimes.size()) >= Trials + 1; }, 60000);
    WaitFor([] { return false; }, 3000);
    engine.AudioReset();
    std::vector<double> gaps;
    for (std::size_t i = 1; i < speakTimes.size(); ++i)
        gaps.push_back(recorder.QuietMsAround(speakTimes[i]));
    return Median(gaps);
}

// From the first loud sample to the last between two times, in seconds.
double SoundSeconds(const MonitorRecorder &recorder, Clock::time_point from, Clock::time_point to)
{
    const auto sounds = recorder.Sounds(recorder.SampleAt(from), recorder.SampleAt(to));
    return sounds.empty() ? 0 : double(sounds.back().end - sounds.front().begin) / MonitorRecorder::Rate;
}

// Speaks text to its end: when it was asked for, or nothing when its end was not told.
std::optional<Clock::time_point> SpeakToTheEnd(SpeechEngine &engine, const QString &text)
{
    int stops = 0;
    engine.OnAudioStop = [&](TDirectSS *, quint32, quint32) { ++stops; };
    const Clock::time_point start = Clock::now();
    engine.Speak(text);
    const bool ended = WaitFor([&] { return stops > 0; }, 20000);
    WaitFor([] { return false; }, 300);  // the recording catches up
    if (!ended)
        return std::nullopt;
    return start;
}

double ResumeRepeat(MonitorRecorder &recorder, SpeechEngine &engine)
{
    const auto plain = SpeakToTheEnd(engine, LongSentence);
    if (!plain)
        return -1;
    const double whole = SoundSeconds(recorder, *plain, Clock::now());
    std::vector<double> repeats;
    for (int trial = 0; trial < Trials; ++trial) {
        int stops = 0;
        engine.OnAudioStop = [&](TDirectSS *, quint32, quint32) { ++stops; };
        const Clock::time_point start = Clock::now();
        engine.Speak(LongSentence);
        WaitFor([&] { return FirstSoundAfter(recorder, start).has_value(); }, 5000);
        WaitFor([] { return false; }, 700 + trial * 270);
        engine.AudioPause();
        const Clock::time_point paused = Clock::now();
        WaitFor([] { return false; }, 800);
        const Clock::time_point resumed = Clock::now();
        engine.AudioResume();
        if (!WaitFor([&] { return stops > 0; }, 20000))
            break;
        WaitFor([] { return false; }, 300);
        const double before = SoundSeconds(recorder, start, paused + std::chrono::milliseconds(150));
        const double after = SoundSeconds(recorder, resumed, Clock::now());
        repeats.push_back((before + after - whole) * 1000);
    }
    return Median(repeats);
}

double EndLate(MonitorRecorder &recorder, SpeechEngine &engine)
{
    std::vector<double> lates;
    for (int trial = 0; trial < Trials; ++trial) {
        int stops = 0;
        Clock::time_point told;
        engine.OnAudioStop = [&](TDirectSS *, quint32, quint32) {
            ++stops;
            told = Clock::now();
        };
        const Clock::time_point start = Clock::now();
        engine.Speak(Sentences[trial % Sentences.size()]);
        if (!WaitFor([&] { return stops > 0; }, 20000))
            break;
        WaitFor([] { return false; }, 300);  // the recording catches up
        const auto sounds = recorder.Sounds(recorder.SampleAt(start), recorder.SampleCount());
        if (!sounds.empty())
            lates.push_back(Ms(told - recorder.TimeOf(sounds.back().end)));
    }
    return Median(lates);
}

double WordMarkLag(MonitorRecorder &recorder, SpeechEngine &engine)
{
    std::vector<double> lags;
    for (int trial = 0; trial < Trials; ++trial) {
        std::vector<Clock::time_point> told;
        engine.OnWord = [&](TDirectSS *, int, int) { told.push_back(Clock::now()); };
        const auto start = SpeakToTheEnd(engine, Colours);
        if (!start)
            break;
        const auto words = recorder.Sounds(recorder.SampleAt(*start), recorder.SampleCount(), Threshold, 100);
        if (words.size() != told.size())
            continue;  // a word that the recording split or joined
        for (std::size_t i = 0; i < words.size(); ++i)
            lags.push_back(Ms(told[i] - recorder.TimeOf(words[i].begin)));
    }
    engine.OnWord = nullptr;
    return Median(lags);
}

void Measure(MonitorRecorder &recorder, SpeechSystem &speech, const char *name, int engineNumber)
{
    if (engineNumber == 0) {
        std::fprintf(stderr, "no voice for %s\n", name);
        return;
    }
    const std::unique_ptr<SpeechEngine> engine = speech.NewEngine();
    engine->Select(engineNumber);
    std::printf("BENCH first_sound_%s %.1f ms\n", name, FirstSound(recorder, *engine));
    std::printf("BENCH gap_%s %.1f ms\n", name, Gap(recorder, *engine));
    std::printf("BENCH word_mark_lag_%s %.1f ms\n", name, WordMarkLag(recorder, *engine));
    std::printf("BENCH end_late_%s %.1f ms\n", name, EndLate(recorder, *engine));
    if (speech.Voices()[engineNumber - 1].backend == SpeechVoice::Backend::Service)
        std::printf("BENCH resume_%s_repeat %.1f ms\n", name, ResumeRepeat(recorder, *engine));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    MonitorRecorder recorder;
    if (!recorder.WaitUntilRecording()) {
        std::fprintf(stderr, "the null sink's monitor cannot be recorded\n");
        return 1;
    }
    SpeechSystem speech;
    Measure(recorder, speech, "embedded", FindVoice(speech.Voices(), SpeechVoice::Backend::Embedded, {}, 1033));
    Measure(recorder, speech, "speechd",
            FindVoice(speech.Voices(), SpeechVoice::Backend::Service, "espeak-ng", 1033));
    return 0;
}
