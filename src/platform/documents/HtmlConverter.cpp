#include "HtmlConverter.h"
#include "ListMarks.h"
#include "ParagraphWriter.h"
#include "TextDecoding.h"
#include <QStringDecoder>
#include <algorithm>
#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <mutex>
#include <vector>

namespace {

constexpr qsizetype kParsedChunk = 256 * 1024;

bool OneOf(QByteArrayView name, std::initializer_list<const char *> names)
{
    return std::any_of(names.begin(), names.end(), [name](const char *one) { return name == one; });
}

bool IsSkipped(QByteArrayView name)
{
    return OneOf(name, {"head", "script", "style", "template", "svg", "select", "object", "iframe"});
}

bool IsBlock(QByteArrayView name)
{
    return OneOf(name, {"address", "article", "aside", "blockquote", "body", "caption", "center", "dd",
                        "details", "dialog", "dir", "div", "dl", "dt", "fieldset", "figcaption", "figure",
                        "footer", "form", "h1", "h2", "h3", "h4", "h5", "h6", "header", "hgroup", "hr",
                        "legend", "li", "main", "menu", "nav", "ol", "p", "pre", "section", "summary",
                        "table", "tbody", "td", "tfoot", "th", "thead", "tr", "ul"});
}

QByteArrayView Attribute(const xmlChar **attributes, const char *wanted)
{
    for (; attributes && attributes[0]; attributes += 2) {
        if (QByteArrayView(reinterpret_cast<const char *>(attributes[0])).compare(wanted, Qt::CaseInsensitive) == 0)
            return attributes[1] ? QByteArrayView(reinterpret_cast<const char *>(attributes[1])) : QByteArrayView();
    }
    return {};
}

int NumberAttribute(const xmlChar **attributes, const char *wanted, int otherwise)
{
    bool ok = false;
    const int number = Attribute(attributes, wanted).trimmed().toInt(&ok);
    return ok ? number : otherwise;
}

// The document as UTF-8, the form the parser is given it in.
QByteArray AsUtf8(QByteArrayView bytes)
{
    QStringDecoder declared = QStringDecoder::decoderForHtml(bytes);
    if (declared.isValid() && QByteArrayView(declared.name()) != "UTF-8")
        return QString(declared.decode(bytes)).toUtf8();
    return DecodeText(bytes).toUtf8();
}

struct List {
    bool numbered;
    QString style;
    int count;
};

class HtmlText {
public:
    explicit HtmlText(ParagraphWriter &writer)
        : writer(writer)
    {
    }

    void Start(QByteArrayView name, const xmlChar **attributes)
    {
        if (skipped > 0 || IsSkipped(name)) {
            ++skipped;
            return;
        }
        if (IsBlock(name))
            writer.EndParagraph();
        if (name == "br")
            writer.LineBreak();
        else if (name == "pre")
            ++preformatted;
        else if (name == "ul" || name == "ol")
            lists.push_back({name == "ol", QString::fromUtf8(Attribute(attributes, "type")),
                             NumberAttribute(attributes, "start", 1) - 1});
        else if (name == "li")
            StartItem(attributes);
    }

    void End(QByteArrayView name)
    {
        if (skipped > 0) {
            --skipped;
            return;
        }
        if (IsBlock(name))
            writer.EndParagraph();
        if (name == "pre")
            preformatted = std::max(0, preformatted - 1);
        else if ((name == "ul" || name == "ol") && !lists.empty())
            lists.pop_back();
    }

    void Characters(QByteArrayView utf8)
    {
        if (skipped > 0)
            return;
        const QString text = QString::fromUtf8(utf8);
        if (preformatted > 0)
            writer.Text(text);
        else
            writer.FlowText(text);
    }

private:
    void StartItem(const xmlChar **attributes)
    {
        if (lists.empty() || !lists.back().numbered) {
            writer.SetPrefix(QString(kBullet) + u' ');
            return;
        }
        List &list = lists.back();
        list.count = NumberAttribute(attributes, "value", list.count + 1);
        writer.SetPrefix(ListNumber(list.style, list.count) + QStringLiteral(". "));
    }

    ParagraphWriter &writer;
    int skipped = 0;
    int preformatted = 0;
    std::vector<List> lists;
};

void StartElement(void *context, const xmlChar *name, const xmlChar **attributes)
{
    static_cast<HtmlText *>(context)->Start(reinterpret_cast<const char *>(name), attributes);
}

void EndElement(void *context, const xmlChar *name)
{
    static_cast<HtmlText *>(context)->End(reinterpret_cast<const char *>(name));
}

void Characters(void *context, const xmlChar *text, int length)
{
    static_cast<HtmlText *>(context)->Characters(QByteArrayView(reinterpret_cast<const char *>(text), length));
}

void Quiet(void *, const char *, ...)
{
}

htmlSAXHandler TextHandler()
{
    htmlSAXHandler handler{};
    handler.startElement = StartElement;
    handler.endElement = EndElement;
    handler.characters = Characters;
    handler.ignorableWhitespace = Characters;
    handler.warning = Quiet;
    handler.error = Quiet;
    handler.fatalError = Quiet;
    return handler;
}

struct ContextFree {
    void operator()(htmlParserCtxtPtr context) const { htmlFreeParserCtxt(context); }
};

}  // namespace

bool AppendHtml(QByteArrayView bytes, ParagraphWriter &writer, const std::stop_token &stop)
{
    static std::once_flag initialised;
    std::call_once(initialised, xmlInitParser);
    const QByteArray utf8 = AsUtf8(bytes);
    HtmlText text(writer);
    htmlSAXHandler handler = TextHandler();
    std::unique_ptr<htmlParserCtxt, ContextFree> parser(
        htmlCreatePushParserCtxt(&handler, &text, nullptr, 0, nullptr, XML_CHAR_ENCODING_UTF8));
    if (!parser)
        return false;
    htmlCtxtUseOptions(parser.get(), HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_IGNORE_ENC);
    for (qsizetype at = 0; at < utf8.size(); at += kParsedChunk) {
        if (stop.stop_requested() || writer.Full())
            return false;
        const qsizetype size = std::min(kParsedChunk, utf8.size() - at);
        htmlParseChunk(parser.get(), utf8.constData() + at, int(size), 0);
    }
    htmlParseChunk(parser.get(), nullptr, 0, 1);
    writer.EndParagraph();
    return !stop.stop_requested() && !writer.Full();
}

std::optional<QString> HtmlToText(QByteArrayView bytes, const std::stop_token &stop)
{
    ParagraphWriter writer;
    if (!AppendHtml(bytes, writer, stop))
        return std::nullopt;
    return writer.Take();
}
