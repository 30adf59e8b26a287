#include "platform/audio/EmbeddedRenderer.h"
#include "platform/audio/SndfileAudioFiles.h"
#include "platform/speech/EspeakSynthesizer.h"
#include "reading/ReadingFixture.h"
#include "workspace/AudioExport.h"
#include <QTemporaryDir>
#include <QTest>
#include <sndfile.h>
#include <vector>

namespace {

constexpr float QuietLevel = 0.02f;
constexpr double SeparatingSilence = 0.6;  // seconds; shorter quiet stretches lie inside a piece

const QString MixedText = QStringLiteral(
    "Это первое предложение. This is the second sentence, with a comma. А вот и третье!\r\n\r\n"
    "And the fourth one? Пятое, последнее.");

RenderVoice Embedded(const QString &name, int languageId, int volume)
{
    RenderVoice voice;
    voice.modeName = name;
    voice.languageId = voice.channelLanguageId = languageId;
    voice.speed = 171;
    voice.pitch = 50;
    voice.volume = volume;
    return voice;
}

// The loudest sample of each stretch of sound between silences of at least SeparatingSilence.
QList<float> UtterancePeaks(const QString &path, int *rate)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    *rate = info.samplerate;
    const qint64 separating = qint64(SeparatingSilence * info.samplerate);
    QList<float> peaks;
    qint64 quiet = separating;
    std::vector<float> buffer(4096);
    for (sf_count_t got; (got = sf_readf_float(file, buffer.data(), sf_count_t(buffer.size()))) > 0;) {
        for (sf_count_t i = 0; i < got; ++i) {
            const float level = std::abs(buffer[std::size_t(i)]);
            if (level < QuietLevel) {
                ++quiet;
                continue;
            }
            if (quiet >= separating)
                peaks << 0.0f;
            quiet = 0;
            peaks.last() = std::max(peaks.last(), level);
        }
    }
    sf_close(file);
    return peaks;
}

QStringList VoicesReadAloud(const QString &text)
{
    MemoryTextArea re1(text);
    ReadingFixture reading(re1);
    reading.controller.BtStartSpeakingClick();
    QStringList voices;
    for (const QString &piece : reading.ReadToTheEnd())
        voices << piece.left(1);
    return voices;
}

} // namespace

class TestEmbeddedExport : public QObject {
    Q_OBJECT

    EspeakSynthesizer synthesizer;

private slots:
    void initTestCase()
    {
        if (!synthesizer.Available())
            QFAIL("espeak-ng or its data is missing");
    }

    // The foreign voice is quieter: the level of each utterance tells which voice spoke it.
    void theFileHoldsTheUtterancesOfReadingAloudInTheirOrder()
    {
        QTemporaryDir folder;
        ExportRequest request;
        request.text = MixedText;
        request.path = folder.filePath("Смесь.flac");
        request.title = "Смесь";
        request.encoder = "Lektavo";
        request.pauseSeconds = 1;
        request.foreign = Embedded("English (America)", 1033, 30);
        request.russian = Embedded("Russian", 1049, 100);
        EmbeddedRenderer renderer(synthesizer);
        QVERIFY(renderer.StandIn(request.foreign).isEmpty() && renderer.StandIn(request.russian).isEmpty());
        SndfileAudioFiles files;
        const std::atomic_bool cancelled = false;
        QCOMPARE(AudioExport(renderer, files).Run(request, cancelled, [](int) {}), QStringList{request.path});

        int rate = 0;
        const QList<float> peaks = UtterancePeaks(request.path, &rate);
        QCOMPARE(rate, renderer.SampleRate());
        const float loudest = *std::max_element(peaks.begin(), peaks.end());
        QStringList voices;
        for (float peak : peaks)
            voices << (peak < loudest * 0.6f ? "F" : "R");
        QCOMPARE(voices, VoicesReadAloud(MixedText));
    }

    void aServiceVoiceIsRenderedByTheEmbeddedVoiceOfItsLanguage_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<int>("languageId");
        QTest::addColumn<int>("channelLanguageId");
        QTest::addColumn<QString>("standIn");
        QTest::newRow("an embedded voice") << "Russian" << 1049 << 1049 << "";
        QTest::newRow("a Russian service voice") << "msu_ru_nsh_clunits (festival)" << 1049 << 1049 << "Russian";
        QTest::newRow("an English service voice") << "kal_diphone (festival)" << 1033 << 1033 << "English (America)";
        QTest::newRow("a language nobody speaks") << "Klingon (other)" << 0 << 1049 << "Russian";
    }
    void aServiceVoiceIsRenderedByTheEmbeddedVoiceOfItsLanguage()
    {
        QFETCH(QString, voice);
        QFETCH(int, languageId);
        QFETCH(int, channelLanguageId);
        QFETCH(QString, standIn);
        RenderVoice rendered = Embedded(voice, languageId, 100);
        rendered.channelLanguageId = channelLanguageId;
        rendered.speedPosition = rendered.pitchPosition = 12;
        rendered.volumePosition = 90;
        EmbeddedRenderer renderer(synthesizer);
        QCOMPARE(renderer.StandIn(rendered), standIn);
        qint64 samples = 0;
        renderer.Render(rendered, "Проверка.", [&](const float *, int count) { samples += count; });
        QVERIFY(samples > renderer.SampleRate() / 4);
    }
};

QTEST_GUILESS_MAIN(TestEmbeddedExport)
#include "tst_EmbeddedExport.moc"
