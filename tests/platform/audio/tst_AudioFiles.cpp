#include "platform/AudioFiles.h"
#include "platform/audio/SndfileAudioFiles.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sndfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int Rate = 22050;
const AudioTags Tags{QStringLiteral("Анна Каренина — 01"), QStringLiteral("Lektavo 3.19"), 1};

void WriteTone(AudioWriter &writer, double seconds)
{
    const int total = int(seconds * Rate);
    std::vector<float> chunk;
    for (int done = 0; done < total; done += int(chunk.size())) {
        chunk.resize(std::size_t(std::min(1000, total - done)));
        for (std::size_t i = 0; i < chunk.size(); ++i)
            chunk[i] = 0.5f * float(std::sin(2 * M_PI * 440 * double(done + int(i)) / Rate));
        writer.Write(chunk.data(), int(chunk.size()));
    }
}

QStringList FilesIn(const QTemporaryDir &folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
}

struct Decoded {
    int rate = 0;
    qint64 frames = 0;
    float peak = 0;
    QString title, software;
};

Decoded Decode(const QString &path)
{
    Decoded decoded;
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return decoded;
    decoded.rate = info.samplerate;
    decoded.frames = info.frames;
    decoded.title = QString::fromUtf8(sf_get_string(file, SF_STR_TITLE));
    decoded.software = QString::fromUtf8(sf_get_string(file, SF_STR_SOFTWARE));
    std::vector<float> buffer(4096);
    for (sf_count_t got; (got = sf_readf_float(file, buffer.data(), sf_count_t(buffer.size()))) > 0;)
        for (sf_count_t i = 0; i < got; ++i)
            decoded.peak = std::max(decoded.peak, std::abs(buffer[std::size_t(i)]));
    sf_close(file);
    return decoded;
}

// libsndfile does not read ID3 text: the tags of an MP3 come through TagLib, as players read them.
void ReadMp3Tags(const QString &path, Decoded &decoded)
{
    TagLib::MPEG::File file(QFile::encodeName(path).constData());
    const TagLib::PropertyMap properties = file.properties();
    decoded.title = QString::fromStdString(file.tag()->title().to8Bit(true));
    decoded.software = properties.contains("ENCODING")
                           ? QString::fromStdString(properties["ENCODING"].front().to8Bit(true))
                           : QString();
}

// The process may write no more than limit bytes to a file, as on a nearly full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered{limit, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved{};
};

} // namespace

class TestAudioFiles : public QObject {
    Q_OBJECT
private slots:
    void eachFormatReadsBackWithItsTags_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("rate");
        QTest::newRow("WAV") << "wav" << Rate;
        QTest::newRow("FLAC") << "flac" << Rate;
        QTest::newRow("Ogg Vorbis") << "ogg" << Rate;
        QTest::newRow("Opus") << "opus" << 48000;
        QTest::newRow("MP3") << "MP3" << Rate;
    }
    void eachFormatReadsBackWithItsTags()
    {
        QFETCH(QString, suffix);
        QFETCH(int, rate);
        QTemporaryDir folder;
        const QString path = folder.filePath("Анна Каренина." + suffix);
        SndfileAudioFiles files;
        auto writer = files.Create(path, Rate, Tags);
        WriteTone(*writer, 2.0);
        QCOMPARE(writer->Seconds(), 2.0);
        writer->Close();
        QVERIFY(!QFile::exists(path));
        writer->Publish(path);
        QCOMPARE(FilesIn(folder), QStringList{QFileInfo(path).fileName()});

        Decoded decoded = Decode(path);
        QCOMPARE(decoded.rate, rate);
        QVERIFY2(std::abs(double(decoded.frames) / rate - 2.0) < 0.1, qPrintable(QString::number(decoded.frames)));
        QVERIFY2(decoded.peak > 0.4f && decoded.peak < 0.6f, qPrintable(QString::number(decoded.peak)));
        if (suffix == "MP3")
            ReadMp3Tags(path, decoded);
        QCOMPARE(decoded.title, Tags.title);
        QVERIFY2(decoded.software.startsWith(Tags.encoder), qPrintable(decoded.software));
    }

    void anMp3HasOneTagInUtf8()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("a.mp3");
        SndfileAudioFiles files;
        auto writer = files.Create(path, Rate, Tags);
        WriteTone(*writer, 0.5);
        writer->Close();
        writer->Publish(path);
        TagLib::MPEG::File file(QFile::encodeName(path).constData());
        QVERIFY(file.hasID3v2Tag());
        QVERIFY(!file.hasID3v1Tag() && !file.hasAPETag());
        const auto frames = file.ID3v2Tag()->frameListMap()["TIT2"];
        QCOMPARE(frames.size(), 1u);
        QCOMPARE(QString::fromStdString(frames.front()->toString().to8Bit(true)), Tags.title);
        QCOMPARE(QString::fromStdString(file.ID3v2Tag()->frameListMap()["TRCK"].front()->toString().to8Bit(true)), "1");
    }

    void thePublishedFileFollowsTheUmask_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("mode");
        QTest::newRow("022") << 022 << 0644;
        QTest::newRow("077") << 077 << 0600;
        QTest::newRow("002") << 002 << 0664;
    }
    void thePublishedFileFollowsTheUmask()
    {
        QFETCH(int, mask);
        QFETCH(int, mode);
        const mode_t previous = ::umask(mode_t(mask));
        QTemporaryDir folder;
        const QString path = folder.filePath("a.wav");
        auto writer = SndfileAudioFiles().Create(path, Rate, Tags);
        WriteTone(*writer, 0.1);
        writer->Close();
        writer->Publish(path);
        ::umask(previous);
        struct stat published {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &published), 0);
        QCOMPARE(int(published.st_mode & 0777), mode);
    }

    void aWriterNotPublishedLeavesNoFile_data()
    {
        QTest::addColumn<bool>("closed");
        QTest::newRow("while writing") << false;
        QTest::newRow("written to its end") << true;
    }
    void aWriterNotPublishedLeavesNoFile()
    {
        QFETCH(bool, closed);
        QTemporaryDir folder;
        SndfileAudioFiles files;
        {
            auto writer = files.Create(folder.filePath("a.flac"), Rate, Tags);
            WriteTone(*writer, 1.0);
            if (closed)
                writer->Close();
        }
        QVERIFY(FilesIn(folder).isEmpty());
    }

    void aFileThatCannotBeMadeIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("an unknown format") << "a.aac";
        QTest::newRow("no extension") << "a";
        QTest::newRow("a folder that is gone") << "gone/a.flac";
        QTest::newRow("a folder that is a file") << "file/a.flac";
    }
    void aFileThatCannotBeMadeIsRefused()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        QFile file(folder.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SndfileAudioFiles files;
        try {
            files.Create(folder.filePath(name), Rate, Tags);
            QFAIL("no failure");
        } catch (const AudioError &error) {
            QVERIFY(std::strlen(error.what()) > 0);
        }
        QCOMPARE(FilesIn(folder), QStringList{"file"});
    }

    void aFullDiskFailsTheWriteAndLeavesNoFile_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("WAV") << "wav";
        QTest::newRow("FLAC") << "flac";
        QTest::newRow("MP3") << "mp3";
    }
    void aFullDiskFailsTheWriteAndLeavesNoFile()
    {
        QFETCH(QString, suffix);
        QTemporaryDir folder;
        SndfileAudioFiles files;
        QString failure;
        {
            const FileSizeLimit nearlyFull(16 * 1024);
            auto writer = files.Create(folder.filePath("a." + suffix), Rate, Tags);
            try {
                WriteTone(*writer, 30.0);
                writer->Close();
            } catch (const AudioError &error) {
                failure = QString::fromUtf8(error.what());
            }
        }
        QVERIFY(!failure.isEmpty());
        QVERIFY(FilesIn(folder).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAudioFiles)
#include "tst_AudioFiles.moc"
