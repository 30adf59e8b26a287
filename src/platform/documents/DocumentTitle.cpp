#include "DocumentTitle.h"
#include "DocumentFormat.h"
#include "DocumentLimits.h"
#include "TextDecoding.h"
#include "XmlWalk.h"
#include "ZipArchive.h"
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <libxml/HTMLparser.h>
#include <memory>
#include <poppler-document.h>

namespace {

// The text of the first element at each path of local names ("package/metadata/title").
class FirstTexts : public XmlHandler {
public:
    Step Start(const QXmlStreamReader &reader) override
    {
        path.append(reader.name().toString());
        current = path.join('/');
        return Step::Enter;
    }
    void End(QStringView) override
    {
        finished.insert(current);
        path.removeLast();
        current = path.join('/');
    }
    void Characters(QStringView text) override
    {
        if (!finished.contains(current))
            texts[current] += text;
    }
    QString Text(const QString &at) const { return texts.value(at).simplified(); }

private:
    QStringList path;
    QString current;
    QHash<QString, QString> texts;
    QSet<QString> finished;
};

std::optional<FirstTexts> Walked(QByteArrayView bytes)
{
    FirstTexts texts;
    if (!WalkXml(bytes, texts, {}))
        return std::nullopt;
    return texts;
}

QString Joined(const FirstTexts &texts, const QString &at, const QStringList &parts)
{
    QStringList words;
    for (const QString &part : parts)
        if (const QString word = texts.Text(at + '/' + part); !word.isEmpty())
            words << word;
    return words.join(' ');
}

DocumentTitle Fb2Title(QByteArrayView bytes)
{
    const auto texts = Walked(bytes);
    if (!texts)
        return {};
    const QString info = QStringLiteral("FictionBook/description/title-info");
    return {texts->Text(info + "/book-title"),
            Joined(*texts, info + "/author", {"first-name", "middle-name", "last-name"})};
}

// The package document that META-INF/container.xml names, and its Dublin Core title and creator.
DocumentTitle EpubTitle(ZipArchive &archive)
{
    const auto container = archive.Read(QStringLiteral("META-INF/container.xml"));
    if (!container)
        return {};
    QXmlStreamReader reader(*container);
    QString packagePath;
    while (packagePath.isEmpty() && !reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"rootfile")
            packagePath = AttributeValue(reader, u"full-path");
    const auto package = archive.Read(packagePath);
    const auto texts = package ? Walked(*package) : std::nullopt;
    if (!texts)
        return {};
    return {texts->Text("package/metadata/title"), texts->Text("package/metadata/creator")};
}

DocumentTitle PackageTitle(ZipArchive &archive, const QString &entry, const QString &at,
                           const QStringList &authors)
{
    const auto bytes = archive.Read(entry);
    const auto texts = bytes ? Walked(*bytes) : std::nullopt;
    if (!texts)
        return {};
    QString author;
    for (const QString &name : authors)
        if (author.isEmpty())
            author = texts->Text(at + '/' + name);
    return {texts->Text(at + "/title"), author};
}

DocumentTitle ZipTitle(QByteArrayView bytes, DocumentFormat format)
{
    auto archive = ZipArchive::Open(bytes);
    if (!archive)
        return {};
    switch (format) {
    case DocumentFormat::Epub: return EpubTitle(*archive);
    case DocumentFormat::Docx:
        return PackageTitle(*archive, "docProps/core.xml", "coreProperties", {"creator"});
    case DocumentFormat::Odt:
        return PackageTitle(*archive, "meta.xml", "document-meta/meta", {"initial-creator", "creator"});
    default: return {};
    }
}

QString FromPoppler(const poppler::ustring &text)
{
    const std::vector<char> utf8 = text.to_utf8();
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).simplified();
}

DocumentTitle PdfTitle(QByteArrayView bytes)
{
    std::unique_ptr<poppler::document> document(
        poppler::document::load_from_raw_data(bytes.data(), int(bytes.size())));
    if (!document || document->is_locked())
        return {};
    return {FromPoppler(document->info_key("Title")), FromPoppler(document->info_key("Author"))};
}

const xmlNode *Element(const xmlNode *node, const char *name)
{
    for (; node; node = node->next) {
        if (node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, BAD_CAST name) == 0)
            return node;
        if (const xmlNode *inside = Element(node->children, name))
            return inside;
    }
    return nullptr;
}

DocumentTitle HtmlTitle(QByteArrayView bytes)
{
    const QByteArray utf8 = DecodeText(bytes).toUtf8();
    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> document(
        htmlReadMemory(utf8.constData(), int(utf8.size()), nullptr, "UTF-8",
                       HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                           HTML_PARSE_IGNORE_ENC),
        &xmlFreeDoc);
    const xmlNode *title = document ? Element(xmlDocGetRootElement(document.get()), "title") : nullptr;
    if (!title)
        return {};
    std::unique_ptr<xmlChar, decltype(xmlFree)> text(xmlNodeGetContent(title), xmlFree);
    return {QString::fromUtf8(reinterpret_cast<const char *>(text.get())).simplified(), {}};
}

} // namespace

DocumentTitle ReadDocumentTitle(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxDocumentBytes)
        return {};
    const QByteArray bytes = file.readAll();
    switch (const DocumentFormat format = SniffFormat(bytes, QFileInfo(path).fileName())) {
    case DocumentFormat::Fb2: return Fb2Title(bytes);
    case DocumentFormat::Epub:
    case DocumentFormat::Docx:
    case DocumentFormat::Odt: return ZipTitle(bytes, format);
    case DocumentFormat::Pdf: return PdfTitle(bytes);
    case DocumentFormat::Html: return HtmlTitle(bytes);
    default: return {};
    }
}
