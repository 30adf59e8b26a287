#include "SpeechTestSupport.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTest>

int FindVoice(const QList<SpeechVoice> &voices, SpeechVoice::Backend backend, int languageId,
              const QString &module)
{
    for (int i = 0; i < voices.size(); ++i)
        if (voices[i].backend == backend && voices[i].languageId == languageId
            && (module.isEmpty() || voices[i].module == module.toUtf8()))
            return i + 1;
    return 0;
}

bool WaitForSound(const MonitorRecorder &recorder, std::size_t from, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!recorder.Sounds(from, recorder.SampleCount()).empty())
            return true;
        QThread::msleep(5);
    }
    return false;
}

void RunEvents(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

std::vector<MonitorRecorder::Sound> SoundsBetween(const MonitorRecorder &recorder,
                                                  MonitorRecorder::Clock::time_point from,
                                                  MonitorRecorder::Clock::time_point to)
{
    return recorder.Sounds(recorder.SampleAt(from), recorder.SampleAt(to));
}

double Seconds(std::size_t samples)
{
    return double(samples) / MonitorRecorder::Rate;
}

double PlainDuration(const MonitorRecorder &recorder, TDirectSS &engine, const int &stops,
                     const QString &text)
{
    const int before = stops;
    const auto start = MonitorRecorder::Clock::now();
    engine.Speak(text);
    if (!QTest::qWaitFor([&] { return stops > before; }, 20000))
        return -1;
    RunEvents(100);
    const auto sounds = SoundsBetween(recorder, start, MonitorRecorder::Clock::now());
    return sounds.empty() ? 0 : Seconds(sounds.back().end - sounds.front().begin);
}

void ListenForWords(TDirectSS &engine, const QString &text, QList<HeardWord> &heard)
{
    engine.OnWord = [text, &heard](TDirectSS *, int position, int length) {
        heard.append({text.mid(position, length), MonitorRecorder::Clock::now()});
    };
}

namespace {

QString WordsOffSounds(const MonitorRecorder &recorder, const std::vector<MonitorRecorder::Sound> &sounds,
                       const QStringList &words, const QList<HeardWord> &heard)
{
    QStringList told;
    for (const HeardWord &word : heard)
        told << word.word;
    if (told != words)
        return "words told: " + told.join(' ');
    if (sounds.size() != std::size_t(words.size()))
        return QString("%1 sounds heard").arg(sounds.size());
    const auto onset = [&](qsizetype i) { return recorder.TimeOf(sounds[std::size_t(i)].begin); };
    for (qsizetype i = 0; i < heard.size(); ++i) {
        const bool early = i > 0 && heard[i].at < onset(i - 1);
        const bool late = i + 1 < heard.size() && heard[i].at > onset(i + 1);
        if (early || late) {
            const double ms = std::chrono::duration<double, std::milli>(heard[i].at - onset(i)).count();
            return QString("\"%1\" told %2 ms from its sound").arg(words[i]).arg(ms);
        }
    }
    return {};
}

}  // namespace

QString WordsOffTheirSound(const MonitorRecorder &recorder, TDirectSS &engine, const int &stops,
                           const QString &text, const QStringList &words)
{
    QList<HeardWord> heard;
    ListenForWords(engine, text, heard);
    const int before = stops;
    const auto start = MonitorRecorder::Clock::now();
    engine.Speak(text);
    const bool ended = QTest::qWaitFor([&] { return stops > before; }, 20000);
    engine.OnWord = nullptr;
    if (!ended)
        return "the end was not told";
    RunEvents(300);
    const auto sounds = recorder.Sounds(recorder.SampleAt(start), recorder.SampleCount(), 300, 100);
    return WordsOffSounds(recorder, sounds, words, heard);
}
