#include "DocumentConversion.h"
#include "DocxConverter.h"
#include "DocumentFormat.h"
#include "DocumentLimits.h"
#include "EpubConverter.h"
#include "Fb2Converter.h"
#include "HtmlConverter.h"
#include "OdtConverter.h"
#include "PdfConverter.h"
#include "TextDecoding.h"
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

std::optional<QByteArray> ReadDocument(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxDocumentBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kMaxDocumentBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxDocumentBytes)
        return std::nullopt;
    return bytes;
}

bool IsBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); });
}

std::optional<QString> BuiltInText(DocumentFormat format, QByteArrayView bytes, const std::stop_token &stop)
{
    switch (format) {
    case DocumentFormat::PlainText:
        return PlainText(bytes);
    case DocumentFormat::Html:
        return HtmlToText(bytes, stop);
    case DocumentFormat::Fb2:
        return Fb2ToText(bytes, stop);
    case DocumentFormat::Epub:
        return EpubToText(bytes, stop);
    case DocumentFormat::Docx:
        return DocxToText(bytes, stop);
    case DocumentFormat::Odt:
        return OdtToText(bytes, stop);
    case DocumentFormat::Pdf:
        return PdfToText(bytes, stop);
    case DocumentFormat::LibreOffice:
    case DocumentFormat::Unknown:
        break;
    }
    return std::nullopt;
}

// Every route's text alike: LF line ends, refused when too long or, unless it is plain text, blank.
ConvertedDocument Checked(QString text, DocumentFormat format)
{
    if (text.size() > kMaxTextLength || (format != DocumentFormat::PlainText && IsBlank(text)))
        return ConvertedDocument::OpenFailed();
    UseLfLineEnds(text);
    return ConvertedDocument::Text(std::move(text));
}

}  // namespace

DocumentConversion::DocumentConversion(LibreOfficeSetup libreOffice)
    : libreOffice(std::move(libreOffice))
{
}

ConvertedDocument DocumentConversion::Convert(const QString &path, std::stop_token stop)
{
    std::optional<QByteArray> bytes = ReadDocument(path);
    if (!bytes)
        return ConvertedDocument::OpenFailed();
    if (stop.stop_requested())
        return ConvertedDocument::Cancelled();
    const DocumentFormat format = SniffFormat(*bytes, QFileInfo(path).fileName());
    if (format == DocumentFormat::LibreOffice) {
        bytes.reset();
        ConvertedDocument document = libreOffice.Convert(path, stop);
        return document.IsConverted() ? Checked(std::move(document.text), format) : document;
    }
    std::optional<QString> text = BuiltInText(format, *bytes, stop);
    bytes.reset();
    if (stop.stop_requested())
        return ConvertedDocument::Cancelled();
    return text ? Checked(std::move(*text), format) : ConvertedDocument::OpenFailed();
}

std::unique_ptr<DocumentConverter> MakeDocumentConverter(const QString &programFolder)
{
    return std::make_unique<DocumentConversion>(InstalledLibreOffice(programFolder));
}
