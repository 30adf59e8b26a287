#include "EpubConverter.h"
#include "HtmlConverter.h"
#include "ParagraphWriter.h"
#include "XmlWalk.h"
#include "ZipArchive.h"
#include <QDir>
#include <QHash>
#include <QUrl>
#include <QXmlStreamReader>
#include <vector>

namespace {

// The package document named by META-INF/container.xml.
class ContainerHandler : public XmlHandler {
public:
    Step Start(const QXmlStreamReader &reader) override
    {
        if (reader.name() == u"rootfile" && packagePath.isEmpty())
            packagePath = AttributeValue(reader, u"full-path");
        return Step::Enter;
    }
    void End(QStringView) override {}
    void Characters(QStringView) override {}

    QString packagePath;
};

struct ManifestItem {
    QString href;
    bool page;  // an (X)HTML page that is not the navigation page
};

// The package document's spine, resolved through its manifest to paths inside the archive.
class PackageHandler : public XmlHandler {
public:
    explicit PackageHandler(QString folder)
        : folder(std::move(folder))
    {
    }

    Step Start(const QXmlStreamReader &reader) override
    {
        if (reader.name() == u"item") {
            const QString type = AttributeValue(reader, u"media-type");
            const bool navigation = AttributeValue(reader, u"properties").split(u' ').contains(u"nav");
            const bool page = type == u"application/xhtml+xml" || type == u"text/html";
            manifest.insert(AttributeValue(reader, u"id"),
                            {AttributeValue(reader, u"href"), page && !navigation});
        } else if (reader.name() == u"itemref") {
            spine.push_back(AttributeValue(reader, u"idref"));
        }
        return Step::Enter;
    }
    void End(QStringView) override {}
    void Characters(QStringView) override {}

    std::vector<QString> Pages() const
    {
        std::vector<QString> pages;
        for (const QString &id : spine) {
            const auto item = manifest.constFind(id);
            if (item != manifest.constEnd() && item->page)
                pages.push_back(QDir::cleanPath(folder + QUrl::fromPercentEncoding(item->href.toUtf8())));
        }
        return pages;
    }

private:
    QString folder;
    QHash<QString, ManifestItem> manifest;
    std::vector<QString> spine;
};

std::optional<std::vector<QString>> SpinePages(ZipArchive &archive, const std::stop_token &stop)
{
    const auto container = archive.Read(QStringLiteral("META-INF/container.xml"));
    ContainerHandler containerHandler;
    if (!container || !WalkXml(*container, containerHandler, stop) || containerHandler.packagePath.isEmpty())
        return std::nullopt;
    const QString packagePath = containerHandler.packagePath;
    const auto package = archive.Read(packagePath);
    PackageHandler packageHandler(packagePath.left(packagePath.lastIndexOf(u'/') + 1));
    if (!package || !WalkXml(*package, packageHandler, stop))
        return std::nullopt;
    return packageHandler.Pages();
}

}  // namespace

std::optional<QString> EpubToText(QByteArrayView bytes, const std::stop_token &stop)
{
    auto archive = ZipArchive::Open(bytes);
    if (!archive)
        return std::nullopt;
    const auto pages = SpinePages(*archive, stop);
    if (!pages)
        return std::nullopt;
    ParagraphWriter writer;
    for (const QString &path : *pages) {
        if (!archive->Contains(path))
            continue;
        const auto page = archive->Read(path);
        if (!page || !AppendHtml(*page, writer, stop))
            return std::nullopt;
        writer.EmptyLine();
    }
    return writer.Take();
}
