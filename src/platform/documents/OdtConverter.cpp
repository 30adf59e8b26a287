#include "OdtConverter.h"
#include "ListMarks.h"
#include "ParagraphWriter.h"
#include "XmlWalk.h"
#include "ZipArchive.h"
#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

namespace {

constexpr int kMostSpaces = 1000;  // of one <text:s>, so that no count inflates the text

struct ListLevel {
    bool numbered = false;
    QString bullet = QString(kBullet);
    QString format = QStringLiteral("1");
    QString prefix, suffix;
};

struct OpenList {
    QString style;
    int count = 0;
};

bool IsOneOf(QStringView name, std::initializer_list<QStringView> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

class OdtText : public XmlHandler {
public:
    Step Start(const QXmlStreamReader &reader) override
    {
        const QStringView name = reader.name();
        if (name == u"list-style") {
            listStyle = AttributeValue(reader, u"name");
        } else if (name.startsWith(u"list-level-style-")) {
            StyleLevel(name, reader);
        } else if (name == u"body") {
            inBody = true;
        } else if (!inBody) {
            return Step::Enter;
        } else if (IsOneOf(name, {u"annotation", u"tracked-changes", u"forms", u"title", u"desc",
                                  u"sequence-decls", u"variable-decls"})) {
            return Step::Skip;
        } else {
            BodyElement(name, reader);
        }
        return Step::Enter;
    }

    void End(QStringView name) override
    {
        if (name == u"body") {
            inBody = false;
        } else if (name == u"p" || name == u"h") {
            writer->EndParagraph();
        } else if (name == u"list" && !lists.empty()) {
            lists.pop_back();
        } else if (name == u"note-citation") {
            inCitation = false;
            writer->Text(u'[' + citation + u']');
        } else if (name == u"note-body") {
            notes.EndParagraph();
            writer = &body;
        }
    }

    void Characters(QStringView text) override
    {
        if (inCitation)
            citation += text.trimmed();
        else if (inBody)
            writer->FlowText(text);
    }

    bool Full() const override { return body.Full() || notes.Full(); }
    QString Take() { return WithNotes(body.Take(), notes.Take()); }

private:
    void BodyElement(QStringView name, const QXmlStreamReader &reader)
    {
        if (name == u"p" || name == u"h") {
            writer->EndParagraph();
        } else if (name == u"s") {
            const QString count = AttributeValue(reader, u"c");
            writer->Text(QString(std::clamp(count.isEmpty() ? 1 : count.toInt(), 0, kMostSpaces), u' '));
        } else if (name == u"tab") {
            writer->Text(u"\t");
        } else if (name == u"line-break") {
            writer->LineBreak();
        } else if (name == u"list") {
            const QString style = AttributeValue(reader, u"style-name");
            lists.push_back({style.isEmpty() && !lists.empty() ? lists.back().style : style, 0});
        } else if (name == u"list-item" && !lists.empty()) {
            writer->SetPrefix(ItemMark());
        } else if (name == u"note-citation") {
            inCitation = true;
            citation.clear();
        } else if (name == u"note-body") {
            writer = &notes;
            notes.EndParagraph();
            notes.SetPrefix(u'[' + citation + QStringLiteral("] "));
        }
    }

    void StyleLevel(QStringView name, const QXmlStreamReader &reader)
    {
        const int index = AttributeValue(reader, u"level").toInt();
        if (listStyle.isEmpty() || index < 1)
            return;
        ListLevel &level = styles[listStyle][index];
        level.numbered = name == u"list-level-style-number";
        if (const QString bullet = AttributeValue(reader, u"bullet-char"); !bullet.isEmpty())
            level.bullet = ShownBullet(bullet);
        level.format = AttributeValue(reader, u"num-format");
        level.prefix = AttributeValue(reader, u"num-prefix");
        level.suffix = AttributeValue(reader, u"num-suffix");
    }

    QString ItemMark()
    {
        OpenList &list = lists.back();
        const ListLevel level = styles.value(list.style).value(int(lists.size()));
        ++list.count;
        if (!level.numbered)
            return level.bullet.isEmpty() ? QString() : level.bullet + u' ';
        if (level.format.isEmpty())
            return {};
        return level.prefix + ListNumber(level.format, list.count) + level.suffix + u' ';
    }

    ParagraphWriter body, notes;
    ParagraphWriter *writer = &body;
    QHash<QString, QHash<int, ListLevel>> styles;
    QString listStyle;
    std::vector<OpenList> lists;
    QString citation;
    bool inBody = false;
    bool inCitation = false;
};

}  // namespace

std::optional<QString> OdtToText(QByteArrayView bytes, const std::stop_token &stop)
{
    auto archive = ZipArchive::Open(bytes);
    if (!archive)
        return std::nullopt;
    OdtText text;
    if (const auto styles = archive->Read(QStringLiteral("styles.xml")))
        WalkXml(*styles, text, stop);
    const auto content = archive->Read(QStringLiteral("content.xml"));
    if (!content || !WalkXml(*content, text, stop))
        return std::nullopt;
    return text.Take();
}
