#include "Fb2Converter.h"
#include "ParagraphWriter.h"
#include "XmlWalk.h"
#include <QXmlStreamReader>
#include <algorithm>

namespace {

bool IsBlock(QStringView name)
{
    static const QStringView kBlocks[] = {u"p", u"v", u"subtitle", u"text-author", u"title", u"section",
                                          u"epigraph", u"cite", u"poem", u"stanza", u"td", u"th", u"tr"};
    return std::find(std::begin(kBlocks), std::end(kBlocks), name) != std::end(kBlocks);
}

class Fb2Handler : public XmlHandler {
public:
    Step Start(const QXmlStreamReader &reader) override
    {
        const QStringView name = reader.name();
        if (name == u"description" || name == u"binary" || name == u"stylesheet")
            return Step::Skip;
        if (name == u"body") {
            inBody = true;
            writer.EmptyLine();
        } else if (name == u"empty-line") {
            writer.EmptyLine();
        } else if (IsBlock(name)) {
            writer.EndParagraph();
        }
        return Step::Enter;
    }

    void End(QStringView name) override
    {
        if (name == u"body")
            inBody = false;
        if (IsBlock(name))
            writer.EndParagraph();
    }

    void Characters(QStringView text) override
    {
        if (inBody)
            writer.FlowText(text);
    }

    bool Full() const override { return writer.Full(); }
    QString Take() { return writer.Take(); }

private:
    ParagraphWriter writer;
    bool inBody = false;
};

}  // namespace

std::optional<QString> Fb2ToText(QByteArrayView bytes, const std::stop_token &stop)
{
    Fb2Handler handler;
    if (!WalkXml(bytes, handler, stop))
        return std::nullopt;
    return handler.Take();
}
