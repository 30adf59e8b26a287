#include "SndfileAudioFiles.h"
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <sndfile.h>
#include <soxr.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int OpusRate = 48000;
constexpr auto UnknownFormatMessage = "расширение «%1» не называет формат: выберите .wav, .flac, .ogg, .opus или .mp3";

struct Format {
    int sndfile;
    bool opus;
    bool mp3;
};

std::optional<Format> FormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "wav")
        return Format{SF_FORMAT_WAV | SF_FORMAT_PCM_16, false, false};
    if (suffix == "flac")
        return Format{SF_FORMAT_FLAC | SF_FORMAT_PCM_16, false, false};
    if (suffix == "ogg" || suffix == "oga")
        return Format{SF_FORMAT_OGG | SF_FORMAT_VORBIS, false, false};
    if (suffix == "opus")
        return Format{SF_FORMAT_OGG | SF_FORMAT_OPUS, true, false};
    if (suffix == "mp3")
        return Format{SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, false, true};
    return std::nullopt;
}

[[noreturn]] void Fail(const QString &reason)
{
    throw AudioError(reason.toStdString());
}

[[noreturn]] void FailWithErrno()
{
    Fail(QString::fromLocal8Bit(std::strerror(errno)));
}

// The process's file-creation mask, read without changing it: umask() would change it for every
// thread for a moment, and the export runs beside the window's thread.
mode_t CurrentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
    return 022;
}

void WriteMp3Tags(const QString &path, const AudioTags &tags)
{
    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    TagLib::ID3v2::Tag *tag = file.isValid() ? file.ID3v2Tag(true) : nullptr;
    if (!tag)
        Fail(QStringLiteral("TagLib не открыл файл MP3"));
    const auto setText = [tag](const char *frameId, const QString &text) {
        auto *frame = new TagLib::ID3v2::TextIdentificationFrame(frameId, TagLib::String::UTF8);
        frame->setText(TagLib::String(text.toStdString(), TagLib::String::UTF8));
        tag->removeFrames(frameId);
        tag->addFrame(frame);
    };
    setText("TIT2", tags.title);
    setText("TSSE", tags.encoder);
    if (tags.track > 0)
        setText("TRCK", QString::number(tags.track));
    if (!file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, TagLib::ID3v2::v4))
        Fail(QStringLiteral("TagLib не записал теги в файл MP3"));
}

// Samples at the source's rate in, at the format's rate out.
class Resampler {
public:
    Resampler(int from, int to)
    {
        soxr_error_t error = nullptr;
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        soxr = soxr_create(from, to, 1, &error, &io, &quality, nullptr);
        if (error)
            Fail(QStringLiteral("libsoxr: %1").arg(QString::fromUtf8(error)));
    }
    ~Resampler() { soxr_delete(soxr); }
    Resampler(const Resampler &) = delete;
    Resampler &operator=(const Resampler &) = delete;

    template <typename Out>
    void Process(const float *samples, int count, Out out)
    {
        for (std::size_t taken = 0; taken < std::size_t(count);) {
            std::size_t used = 0;
            const std::size_t made = Step(samples + taken, std::size_t(count) - taken, &used);
            taken += used;
            if (made > 0)
                out(buffer.data(), int(made));
        }
    }

    // What the resampler still holds, at the end.
    template <typename Out>
    void Drain(Out out)
    {
        while (const std::size_t made = Step(nullptr, 0, nullptr))
            out(buffer.data(), int(made));
    }

private:
    std::size_t Step(const float *samples, std::size_t count, std::size_t *used)
    {
        std::size_t made = 0;
        if (const soxr_error_t error = soxr_process(soxr, samples, count, used, buffer.data(), buffer.size(), &made))
            Fail(QStringLiteral("libsoxr: %1").arg(QString::fromUtf8(error)));
        return made;
    }

    soxr_t soxr = nullptr;
    std::vector<float> buffer = std::vector<float>(8192);
};

// The file under libsndfile, written through its virtual input and output so that a failed write
// is seen whichever encoder makes it: some of them drop the answer of a write.
class FileAccess {
public:
    explicit FileAccess(int descriptor) : descriptor(descriptor) {}

    SF_VIRTUAL_IO *Io() { return &io; }
    int Failure() const { return failure; }  // the errno of the first failed write, 0 for none

private:
    static FileAccess &Of(void *user) { return *static_cast<FileAccess *>(user); }

    SF_VIRTUAL_IO io{
        [](void *user) -> sf_count_t {
            const off_t here = ::lseek(Of(user).descriptor, 0, SEEK_CUR);
            const off_t end = ::lseek(Of(user).descriptor, 0, SEEK_END);
            ::lseek(Of(user).descriptor, here, SEEK_SET);
            return end;
        },
        [](sf_count_t offset, int whence, void *user) -> sf_count_t {
            return ::lseek(Of(user).descriptor, off_t(offset), whence);
        },
        [](void *data, sf_count_t count, void *user) -> sf_count_t {
            const ssize_t got = ::read(Of(user).descriptor, data, std::size_t(count));
            return got < 0 ? 0 : got;
        },
        [](const void *data, sf_count_t count, void *user) -> sf_count_t {
            return Of(user).WriteAll(static_cast<const char *>(data), count);
        },
        [](void *user) -> sf_count_t { return ::lseek(Of(user).descriptor, 0, SEEK_CUR); },
    };

    sf_count_t WriteAll(const char *data, sf_count_t count)
    {
        sf_count_t written = 0;
        while (written < count && failure == 0) {
            const ssize_t put = ::write(descriptor, data + written, std::size_t(count - written));
            if (put < 0 && errno != EINTR)
                failure = errno;
            else if (put > 0)
                written += put;
        }
        return written;
    }

    int descriptor;
    int failure = 0;
};

class SndfileWriter : public AudioWriter {
public:
    SndfileWriter(const QString &path, int sampleRate, const AudioTags &tags, const Format &format)
        : tags(tags), format(format), sourceRate(sampleRate),
          temporary(QFileInfo(path).absoluteDir().filePath("." + QFileInfo(path).fileName() + ".XXXXXX"))
    {
        if (!temporary.open())
            Fail(temporary.errorString());
        SF_INFO info{};
        info.samplerate = format.opus ? OpusRate : sampleRate;
        info.channels = 1;
        info.format = format.sndfile;
        access = std::make_unique<FileAccess>(temporary.handle());
        file = sf_open_virtual(access->Io(), SFM_WRITE, &info, access.get());
        if (!file)
            Fail(QString::fromUtf8(sf_strerror(nullptr)));
        if (format.opus)
            resampler = std::make_unique<Resampler>(sampleRate, OpusRate);
        if (!format.mp3)
            SetStrings();
    }

    ~SndfileWriter() override
    {
        if (file)
            sf_close(file);
    }

    void Write(const float *samples, int count) override
    {
        sourceFrames += count;
        if (resampler)
            resampler->Process(samples, count, [this](const float *out, int made) { Encode(out, made); });
        else
            Encode(samples, count);
    }

    void Close() override
    {
        if (resampler)
            resampler->Drain([this](const float *out, int made) { Encode(out, made); });
        const int closed = sf_close(std::exchange(file, nullptr));
        FailOnWriteFailure();
        if (closed != SF_ERR_NO_ERROR)
            Fail(QString::fromUtf8(sf_error_number(closed)));
        if (format.mp3)
            WriteMp3Tags(temporary.fileName(), tags);
        // The temporary file was made private; the published file gets the mode any new file gets.
        if (::fchmod(temporary.handle(), 0666 & ~CurrentUmask()) != 0 || ::fsync(temporary.handle()) != 0)
            FailWithErrno();
    }

    void Publish(const QString &path) override
    {
        if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                        QFile::encodeName(path).constData()) != 0)
            FailWithErrno();
        temporary.setAutoRemove(false);
    }

    double Seconds() const override { return double(sourceFrames) / sourceRate; }

private:
    void SetStrings()
    {
        sf_set_string(file, SF_STR_TITLE, tags.title.toUtf8().constData());
        sf_set_string(file, SF_STR_SOFTWARE, tags.encoder.toUtf8().constData());
        if (tags.track > 0)
            sf_set_string(file, SF_STR_TRACKNUMBER, QByteArray::number(tags.track).constData());
    }

    void FailOnWriteFailure() const
    {
        if (access->Failure() != 0)
            Fail(QString::fromLocal8Bit(std::strerror(access->Failure())));
    }

    void Encode(const float *samples, int count)
    {
        const sf_count_t written = sf_writef_float(file, samples, count);
        FailOnWriteFailure();
        if (written != count)
            Fail(QString::fromUtf8(sf_strerror(file)));
    }

    AudioTags tags;
    Format format;
    int sourceRate;
    qint64 sourceFrames = 0;
    QTemporaryFile temporary;
    std::unique_ptr<FileAccess> access;
    SNDFILE *file = nullptr;
    std::unique_ptr<Resampler> resampler;
};

} // namespace

bool SndfileAudioFiles::Writes(const QString &path)
{
    return FormatOf(path).has_value();
}

std::unique_ptr<AudioWriter> SndfileAudioFiles::Create(const QString &path, int sampleRate,
                                                       const AudioTags &tags)
{
    const auto format = FormatOf(path);
    if (!format)
        Fail(QString::fromUtf8(UnknownFormatMessage).arg(QFileInfo(path).suffix()));
    return std::make_unique<SndfileWriter>(path, sampleRate, tags, *format);
}
