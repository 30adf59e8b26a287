// Reading aloud in the main window with the embedded voices, measured on what the null sink
// played (its monitor recorded and placed on the steady clock, see MonitorRecorder).
//   read_first_sound: from the click on "Вслух" to the first loud sample. Median of several
//   starts from the caret at 0.
//   read_gap: with "Дополнит. задержка" at 0, the quiet stretch between the last loud sample of a
//   sentence and the first of the next, found on the recording around the moment the voice
//   reported the end of the sentence. Median over the gaps of a text of several sentences.
//   read_first_sound_10k_entries: read_first_sound with a pronunciation dictionary of 10 000
//   entries in the program folder, words of the text among them.
//   mixed_run_gap_embedded: with the English runs read by the English voice, the quiet stretch
//   where one run of a sentence hands over to the next, found as for read_gap.
#include "../SoundMeasures.h"
#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/speech/SpeechSystem.h"
#include "reading/ReadingController.h"
#include "testsupport/Named.h"
#include "testsupport/ObservedEngine.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

using namespace SoundMeasures;
constexpr int Trials = 8;
const QString Text = QStringLiteral(
    "Это первое предложение. Here comes another one. И чтение продолжается. A short line. "
    "Ещё одно предложение. The reading goes on. Почти конец. The end.");

void RunEventsUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void RunEventsFor(int ms)
{
    RunEventsUntil([] { return false; }, ms);
}

// Entries for words of the text, and made-up words to make up the number.
bool WriteDictionary(const QString &folder, int entries)
{
    QString lines = QStringLiteral("первое=п+ервое\nпредложение=предлож+ение\nчтение=чт+ение\n");
    for (int i = 3; i < entries; ++i)
        lines += QStringLiteral("слов%1=сл+ов%1\n").arg(QString::number(i, 36).replace(QRegularExpression("[0-9]"), "а"));
    QFile file(folder + "/Pronunciation.txt");
    return entries == 0 || (file.open(QIODevice::WriteOnly) && file.write(lines.toUtf8()) > 0);
}

// The benches share one speech system: the embedded engine cannot be started again once ended.
struct Bench {
    SpeechSystem &speech;
    std::vector<Clock::time_point> ends;  // each voice's report of a spoken sentence (or run)
    QTemporaryDir folder;
    bool dictionaryWritten;
    TLektavo window{{}, folder.path() + '/', {HeardEngine(), HeardEngine(), speech.NewRenderer()}};
    ReadingController &reading = window.Reading();

    explicit Bench(SpeechSystem &speech, int entries = 0)
        : speech(speech), dictionaryWritten(WriteDictionary(folder.path(), entries))
    {
        window.show();
        Named<QPlainTextEdit>(window, "Re1")->setPlainText(Text);
        RunEventsFor(500);
    }

    std::unique_ptr<TDirectSS> HeardEngine()
    {
        return std::make_unique<ObservedEngine>(speech.NewEngine(), [this] { ends.push_back(Clock::now()); });
    }

    void StartFromTheTop()
    {
        window.Text().SetSelStart(0);
        Named<QPushButton>(window, "BtStartSpeaking")->click();
    }
};

double FirstSound(Bench &bench, const MonitorRecorder &recorder)
{
    std::vector<double> delays;
    for (int trial = 0; trial < Trials; ++trial) {
        const Clock::time_point start = Clock::now();
        bench.StartFromTheTop();
        RunEventsFor(700);
        bench.reading.AcStopSpeakingExecute();
        RunEventsFor(300);
        if (const auto onset = FirstSoundAfter(recorder, start))
            delays.push_back(Ms(*onset - start));
    }
    return Median(delays);
}

// The quiet stretches inside a sentence of three runs, read again and again.
double MixedRunGap(Bench &bench, const MonitorRecorder &recorder)
{
    ReadingController::Options options = bench.reading.CurrentOptions();
    options.EnglishRuns = true;
    bench.reading.SetOptions(options);
    Named<QPlainTextEdit>(bench.window, "Re1")->setPlainText(
        QStringLiteral("Он сказал to be or not to be и ушёл домой."));
    RunEventsFor(300);
    std::vector<double> gaps;
    for (int trial = 0; trial < Trials; ++trial) {
        bench.ends.clear();
        bench.StartFromTheTop();
        RunEventsUntil([&] { return !bench.reading.ReadingActive(); }, 20000);
        RunEventsFor(300);
        for (std::size_t i = 0; i + 1 < bench.ends.size(); ++i)  // the last run ends the sentence
            gaps.push_back(recorder.QuietMsAround(bench.ends[i]));
    }
    return Median(gaps);
}

double Gap(Bench &bench, const MonitorRecorder &recorder)
{
    Named<QSpinBox>(bench.window, "UpDown1")->setValue(0);
    bench.ends.clear();
    bench.StartFromTheTop();
    RunEventsUntil([&] { return !bench.reading.ReadingActive(); }, 60000);
    RunEventsFor(300);
    std::vector<double> gaps;
    for (std::size_t i = 0; i + 1 < bench.ends.size(); ++i)  // the last end starts nothing
        gaps.push_back(recorder.QuietMsAround(bench.ends[i]));
    return Median(gaps);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/lektavo-speechd.sock");
    QApplication app(argc, argv);
    MonitorRecorder recorder;
    if (!recorder.WaitUntilRecording()) {
        std::fprintf(stderr, "the null sink's monitor cannot be recorded\n");
        return 1;
    }
    SpeechSystem speech;
    {
        Bench bench(speech);
        std::printf("BENCH read_first_sound %.1f ms\n", FirstSound(bench, recorder));
        std::printf("BENCH read_gap %.1f ms\n", Gap(bench, recorder));
        std::printf("BENCH mixed_run_gap_embedded %.1f ms\n", MixedRunGap(bench, recorder));
    }
    Bench withDictionary(speech, 10'000);
    if (!withDictionary.dictionaryWritten) {
        std::fprintf(stderr, "the pronunciation dictionary cannot be written\n");
        return 1;
    }
    std::printf("BENCH read_first_sound_10k_entries %.1f ms\n", FirstSound(withDictionary, recorder));
    std::fflush(stdout);
    return 0;
}
