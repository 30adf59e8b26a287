#include "SpeechTestSupport.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

int FindVoice(SpeechVoice::Backend backend, int languageId, const QString &module)
{
    const QList<SpeechVoice> &voices = InstalledVoices();
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
