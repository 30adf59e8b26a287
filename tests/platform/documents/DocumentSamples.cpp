#include "DocumentSamples.h"
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <zip.h>

namespace DocumentSamples {

namespace {

// Produces size bytes of one letter for libzip, so that no such buffer is ever held.
struct RepeatedLetters {
    qint64 size;
    qint64 given = 0;
};

zip_int64_t GiveLetters(void *state, void *data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto *letters = static_cast<RepeatedLetters *>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        letters->given = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const qint64 count = std::min<qint64>(qint64(length), letters->size - letters->given);
        std::memset(data, 'a', size_t(count));
        letters->given += count;
        return count;
    }
    case ZIP_SOURCE_STAT: {
        auto *stat = static_cast<zip_stat_t *>(data);
        zip_stat_init(stat);
        stat->size = zip_uint64_t(letters->size);
        stat->valid |= ZIP_STAT_SIZE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_READABLE;
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_FREE:
        return 0;
    default:
        return -1;
    }
}

const char *const kEpubContainer =
    "<?xml version=\"1.0\"?><container xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\" version=\"1.0\">"
    "<rootfiles><rootfile full-path=\"book.opf\" media-type=\"application/oebps-package+xml\"/></rootfiles></container>";
const char *const kEpubPackage =
    "<?xml version=\"1.0\"?><package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\"><manifest>"
    "<item id=\"page\" href=\"page.xhtml\" media-type=\"application/xhtml+xml\"/></manifest>"
    "<spine><itemref idref=\"page\"/></spine></package>";

bool AddEntry(zip_t *archive, const QString &name, zip_source_t *source)
{
    const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    if (name == u"mimetype")
        zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
    return true;
}

// Writes the archive that fill makes into a temporary file and gives its bytes.
template <typename Fill>
QByteArray ZipMadeBy(Fill fill)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("package.zip"));
    int error = 0;
    zip_t *archive = zip_open(path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return {};
    if (!fill(archive) || zip_close(archive) != 0) {
        zip_discard(archive);
        return {};
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QByteArray Zip(const Entries &entries)
{
    return ZipMadeBy([&entries](zip_t *archive) {
        for (const auto &[name, content] : entries) {
            zip_source_t *source = zip_source_buffer(archive, content.constData(), zip_uint64_t(content.size()), 0);
            if (!source || !AddEntry(archive, name, source))
                return false;
        }
        return true;
    });
}

QByteArray ZipBombEpub(qint64 pageBytes)
{
    const QByteArray mimetype("application/epub+zip");
    RepeatedLetters letters{pageBytes};
    return ZipMadeBy([&](zip_t *archive) {
        zip_source_t *page = zip_source_function(archive, GiveLetters, &letters);
        return AddEntry(archive, QStringLiteral("mimetype"), zip_source_buffer(archive, mimetype.constData(), zip_uint64_t(mimetype.size()), 0))
            && AddEntry(archive, QStringLiteral("META-INF/container.xml"), zip_source_buffer(archive, kEpubContainer, std::strlen(kEpubContainer), 0))
            && AddEntry(archive, QStringLiteral("book.opf"), zip_source_buffer(archive, kEpubPackage, std::strlen(kEpubPackage), 0))
            && page && AddEntry(archive, QStringLiteral("page.xhtml"), page);
    });
}

QByteArray OneParagraphHtml(qsizetype size)
{
    const QByteArray word("слово ");
    return "<html><body><p>" + word.repeated(size / word.size()) + "</p></body></html>";
}

bool WriteRepeated(const QString &path, const QByteArray &piece, qint64 size)
{
    QFile file(path);
    if (piece.isEmpty() || !file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block = piece.repeated(std::max<qsizetype>(1, (1 << 20) / piece.size()));
    for (qint64 written = 0; written < size;) {
        const qint64 count = std::min<qint64>(block.size(), size - written);
        if (file.write(block.constData(), count) != count)
            return false;
        written += count;
    }
    return true;
}

QByteArray Docx(const QByteArray &body, const QByteArray &footnotes, const QByteArray &numbering)
{
    const QByteArray word = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                            "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"";
    const QByteArray relationships = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    return Zip({
        {QStringLiteral("[Content_Types].xml"),
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Override PartName=\"/word/document.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>"},
        {QStringLiteral("_rels/.rels"),
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship Id=\"r1\" Type=\""
             + relationships + "officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
        {QStringLiteral("word/_rels/document.xml.rels"),
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"r1\" Type=\"" + relationships + "footnotes\" Target=\"footnotes.xml\"/>"
         "<Relationship Id=\"r2\" Type=\"" + relationships + "numbering\" Target=\"numbering.xml\"/></Relationships>"},
        {QStringLiteral("word/document.xml"), "<w:document " + word + "><w:body>" + body + "</w:body></w:document>"},
        {QStringLiteral("word/footnotes.xml"), "<w:footnotes " + word + ">" + footnotes + "</w:footnotes>"},
        {QStringLiteral("word/numbering.xml"), "<w:numbering " + word + ">" + numbering + "</w:numbering>"},
    });
}

QByteArray Odt(const QByteArray &text, const QByteArray &automaticStyles)
{
    return Zip({
        {QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
        {QStringLiteral("content.xml"),
         "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
         "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
         "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><office:automatic-styles>" + automaticStyles
             + "</office:automatic-styles><office:body><office:text>" + text
             + "</office:text></office:body></office:document-content>"},
    });
}

}  // namespace DocumentSamples
