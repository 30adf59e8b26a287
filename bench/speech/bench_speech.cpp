// Time to first sound and the gap between utterances, for the embedded engine and for
// speech-dispatcher, measured on what the null sink actually played: its monitor is recorded and
// every recorded sample placed on the steady clock (see MonitorRecorder). First sound: from the
// call of Speak to the first loud sample. Gap: the next Speak is called from the OnAudioStop
// handler; the quiet stretch between the last loud sample of one utterance and the first of the
// next, found on the recording around the time of that call. Medians of several utterances.
#include "platform/speech/SpeechEngine.h"
#include "../SoundMeasures.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace SoundMeasures;
constexpr int Trials = 8;
const QStringList Sentences{"This is the first sentence.", "Here comes another one.",
                            "And the reading goes on.", "A short line."};

int FindVoice(SpeechEngine &engine, SpeechVoice::Backend backend, const QString &product,
              int languageId)
{
    const QList<SpeechVoice> &voices = InstalledVoices();
    for (int i = 0; i < voices.size(); ++i)
        if (voices[i].backend == backend && voices[i].languageId == languageId
            && (product.isEmpty() || voices[i].productName == product))
            return i + 1;
    Q_UNUSED(engine);
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

void Measure(MonitorRecorder &recorder, const char *name, int engineNumber)
{
    if (engineNumber == 0) {
        std::fprintf(stderr, "no voice for %s\n", name);
        return;
    }
    SpeechEngine engine;
    engine.Select(engineNumber);
    std::printf("BENCH first_sound_%s %.1f ms\n", name, FirstSound(recorder, engine));
    std::printf("BENCH gap_%s %.1f ms\n", name, Gap(recorder, engine));
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
    SpeechEngine probe;
    Measure(recorder, "embedded", FindVoice(probe, SpeechVoice::Backend::Embedded, {}, 1033));
    Measure(recorder, "speechd",
            FindVoice(probe, SpeechVoice::Backend::Service, "espeak-ng", 1033));
    return 0;
}
