// The export of the reading by the embedded voices: seconds of audio written to FLAC per second of
// work for the 3 MB book's first 100 000 characters, and the process's peak memory after that and
// after an export three times as long, which stays as low when the audio is streamed to the file.
#include "../BenchSupport.h"
#include "platform/audio/SndfileAudioFiles.h"
#include "platform/speech/SpeechSystem.h"
#include "workspace/AudioExport.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <sndfile.h>
#include <sys/resource.h>

namespace {

constexpr int RateCharacters = 100000;
constexpr int LongCharacters = 3 * RateCharacters;

RenderVoice Embedded(const QString &name, int languageId)
{
    RenderVoice voice;
    voice.modeName = name;
    voice.languageId = voice.channelLanguageId = languageId;
    voice.speed = 171;
    voice.pitch = 50;
    voice.volume = 90;
    return voice;
}

// The seconds of audio written, or a negative value when the export failed.
double ExportSeconds(SpeechRenderer &renderer, const QString &text, const QString &path)
{
    ExportRequest request;
    request.text = text;
    request.path = path;
    request.title = QStringLiteral("Анна Каренина");
    request.encoder = QStringLiteral("Lektavo");
    request.foreign = Embedded(QStringLiteral("English (America)"), 1033);
    request.russian = Embedded(QStringLiteral("Russian"), 1049);
    SndfileAudioFiles files;
    const std::atomic_bool cancelled = false;
    try {
        AudioExport(renderer, files).Run(request, cancelled, [](int) {});
    } catch (const std::exception &error) {
        std::fprintf(stderr, "audio: %s\n", error.what());
        return -1;
    }
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return -1;
    sf_close(file);
    return double(info.frames) / info.samplerate;
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const auto book = ReadBook();
    if (!book)
        return 1;
    SpeechSystem speech;
    const std::unique_ptr<SpeechRenderer> renderer = speech.NewRenderer();
    QTemporaryDir folder;
    QElapsedTimer elapsed;
    elapsed.start();
    const double seconds = ExportSeconds(*renderer, book->left(RateCharacters), folder.filePath("rate.flac"));
    const double work = double(elapsed.nsecsElapsed()) / 1e9;
    if (seconds < 0)
        return 1;
    std::printf("BENCH export_rate_embedded %.0f x\n", seconds / work);
    std::printf("BENCH export_peak_rss_100k %.1f MB\n", PeakMegabytes());
    if (ExportSeconds(*renderer, book->left(LongCharacters), folder.filePath("long.flac")) < 0)
        return 1;
    std::printf("BENCH export_peak_rss %.1f MB\n", PeakMegabytes());
    return 0;
}
