#include "ZipArchive.h"
#include <algorithm>
#include <zip.h>

namespace {

constexpr qint64 kReadChunk = 64 * 1024;

struct FileCloser {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

}  // namespace

void ZipArchive::Closer::operator()(zip *archive) const
{
    zip_discard(archive);
}

ZipArchive::ZipArchive(zip *archive, qint64 unpackBudget)
    : archive(archive), budget(unpackBudget)
{
}

std::optional<ZipArchive> ZipArchive::Open(QByteArrayView bytes, qint64 unpackBudget)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.data(), zip_uint64_t(bytes.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        return std::nullopt;
    }
    zip_t *opened = zip_open_from_source(source, ZIP_RDONLY, &error);
    zip_error_fini(&error);
    if (!opened) {
        zip_source_free(source);
        return std::nullopt;
    }
    return ZipArchive(opened, unpackBudget);
}

bool ZipArchive::Contains(const QString &name) const
{
    return zip_name_locate(archive.get(), name.toUtf8().constData(), 0) >= 0;
}

std::optional<QByteArray> ZipArchive::Read(const QString &name)
{
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen(archive.get(), name.toUtf8().constData(), 0));
    if (!file)
        return std::nullopt;
    QByteArray content;
    zip_stat_t stat;
    if (zip_stat(archive.get(), name.toUtf8().constData(), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE))
        content.reserve(qsizetype(std::min<zip_uint64_t>(stat.size, zip_uint64_t(std::max<qint64>(budget, 0)))));
    for (;;) {
        const qsizetype size = content.size();
        content.resize(size + kReadChunk);
        const zip_int64_t read = zip_fread(file.get(), content.data() + size, zip_uint64_t(kReadChunk));
        if (read < 0)
            return std::nullopt;
        content.resize(size + qsizetype(read));
        budget -= read;
        if (budget < 0)
            return std::nullopt;
        if (read == 0)
            return content;
    }
}
