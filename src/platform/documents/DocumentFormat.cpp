#include "DocumentFormat.h"
#include "TextDecoding.h"
#include "ZipArchive.h"
#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace {

constexpr qsizetype kPdfSignatureWithin = 1024;
constexpr qsizetype kMarkupWithin = 4096;
constexpr qint64 kSniffBudget = 64 * 1024;  // what sniffing may unpack from a package

bool OneOf(QStringView word, std::initializer_list<QStringView> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// Formats that LibreOffice reads and that have no signature of their own here.
bool IsLibreOfficeExtension(QStringView extension)
{
    return OneOf(extension, {u"doc", u"dot", u"wpd", u"wps", u"wri", u"rtf", u"lwp", u"sdw", u"sxw", u"stw",
                             u"hwp", u"mcw", u"cwk", u"abw", u"zabw", u"fodt"});
}

std::optional<DocumentFormat> PackageFormat(QByteArrayView bytes)
{
    auto archive = ZipArchive::Open(bytes, kSniffBudget);
    if (!archive)
        return std::nullopt;
    const QByteArray mimetype = archive->Read(QStringLiteral("mimetype")).value_or(QByteArray()).trimmed();
    if (mimetype == "application/epub+zip")
        return DocumentFormat::Epub;
    if (mimetype.startsWith("application/vnd.oasis.opendocument.text"))
        return DocumentFormat::Odt;
    if (mimetype.startsWith("application/vnd.sun.xml.writer"))
        return DocumentFormat::LibreOffice;
    const QByteArray types = archive->Read(QStringLiteral("[Content_Types].xml")).value_or(QByteArray());
    for (const char *main : {"wordprocessingml.document.main", "wordprocessingml.template.main",
                             "ms-word.document.macroEnabled.main", "ms-word.template.macroEnabledTemplate.main"}) {
        if (types.contains(main))
            return DocumentFormat::Docx;
    }
    return std::nullopt;
}

std::optional<DocumentFormat> MarkupFormat(QByteArrayView bytes)
{
    QByteArrayView head = bytes.first(std::min(bytes.size(), kMarkupWithin));
    const QString text = (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
                           ? DecodeText(head).toLower()
                           : QString::fromLatin1(head).toLower();
    if (text.contains(u"<fictionbook"))
        return DocumentFormat::Fb2;
    for (const char16_t *tag : {u"<!doctype html", u"<html", u"<head", u"<body"}) {
        if (text.contains(tag))
            return DocumentFormat::Html;
    }
    return std::nullopt;
}

std::optional<DocumentFormat> ContentFormat(QByteArrayView bytes)
{
    if (bytes.first(std::min(bytes.size(), kPdfSignatureWithin)).contains("%PDF-"))
        return DocumentFormat::Pdf;
    if (bytes.startsWith("PK\x03\x04"))
        return PackageFormat(bytes);
    if (bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") || bytes.startsWith("{\\rtf")
        || bytes.startsWith("\xFF\x57\x50\x43"))
        return DocumentFormat::LibreOffice;
    if (LooksLikeText(bytes))
        return MarkupFormat(bytes);
    return std::nullopt;
}

QString Extension(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QString() : fileName.sliced(dot + 1).toString().toLower();
}

DocumentFormat TextFormatByName(QStringView extension)
{
    if (OneOf(extension, {u"htm", u"html", u"xhtml", u"shtml"}))
        return DocumentFormat::Html;
    if (extension == u"fb2")
        return DocumentFormat::Fb2;
    if (OneOf(extension, {u"fodt", u"abw"}))
        return DocumentFormat::LibreOffice;
    return DocumentFormat::PlainText;
}

}  // namespace

DocumentFormat SniffFormat(QByteArrayView bytes, QStringView fileName)
{
    if (const auto format = ContentFormat(bytes))
        return *format;
    const QString extension = Extension(fileName);
    if (LooksLikeText(bytes))
        return TextFormatByName(extension);
    return IsLibreOfficeExtension(extension) ? DocumentFormat::LibreOffice : DocumentFormat::Unknown;
}
