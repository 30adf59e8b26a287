#include "DocxConverter.h"
#include "ListMarks.h"
#include "ParagraphWriter.h"
#include "XmlWalk.h"
#include "ZipArchive.h"
#include <QDir>
#include <QHash>
#include <QXmlStreamReader>
#include <array>
#include <vector>

namespace {

constexpr int kLevels = 9;

// The main namespace of transitional ("…/wordprocessingml/2006/main") and strict documents.
bool InWordNamespace(const QXmlStreamReader &reader)
{
    const QStringView uri = reader.namespaceUri();
    return uri.contains(u"/wordprocessingml/") && uri.endsWith(u"/main");
}

bool IsWordElement(const QXmlStreamReader &reader, QStringView name)
{
    return reader.name() == name && InWordNamespace(reader);
}

QString WordValue(const QXmlStreamReader &reader, QStringView attribute = u"val")
{
    return AttributeValue(reader, attribute);
}

// The targets of a part's relationships, by the last word of their type ("footnotes").
class RelationshipsHandler : public XmlHandler {
public:
    explicit RelationshipsHandler(QString folder)
        : folder(std::move(folder))
    {
    }

    Step Start(const QXmlStreamReader &reader) override
    {
        if (reader.name() != u"Relationship" || AttributeValue(reader, u"TargetMode") == u"External")
            return Step::Enter;
        const QString type = AttributeValue(reader, u"Type");
        const QString target = AttributeValue(reader, u"Target");
        const QString path = target.startsWith(u'/') ? target.mid(1) : folder + target;
        targets.insert(type.mid(type.lastIndexOf(u'/') + 1), QDir::cleanPath(path));
        return Step::Enter;
    }
    void End(QStringView) override {}
    void Characters(QStringView) override {}

    QString folder;
    QHash<QString, QString> targets;
};

QString FolderOf(const QString &part)
{
    return part.left(part.lastIndexOf(u'/') + 1);
}

QHash<QString, QString> Relationships(ZipArchive &archive, const QString &part, const std::stop_token &stop)
{
    const QString folder = FolderOf(part);
    const QString name = part.mid(folder.size());
    RelationshipsHandler handler(folder);
    const auto bytes = archive.Read(folder + QStringLiteral("_rels/") + name + QStringLiteral(".rels"));
    if (bytes)
        WalkXml(*bytes, handler, stop);
    return handler.targets;
}

struct Level {
    QString format = QStringLiteral("decimal");
    QString text;
    int start = 1;
};
using Levels = std::array<Level, kLevels>;

QStringView NumberStyle(QStringView format)
{
    if (format == u"lowerLetter")
        return u"a";
    if (format == u"upperLetter")
        return u"A";
    if (format == u"lowerRoman")
        return u"i";
    if (format == u"upperRoman")
        return u"I";
    return u"1";
}

// The list definitions of numbering.xml and the counts of the lists met so far.
class Numbering : public XmlHandler {
public:
    Step Start(const QXmlStreamReader &reader) override
    {
        if (IsWordElement(reader, u"abstractNum")) {
            abstract = &definitions[WordValue(reader, u"abstractNumId")];
        } else if (IsWordElement(reader, u"lvl")) {
            const int index = WordValue(reader, u"ilvl").toInt();
            level = abstract && index >= 0 && index < kLevels ? &(*abstract)[index] : nullptr;
        } else if (IsWordElement(reader, u"num")) {
            num = WordValue(reader, u"numId");
        } else if (IsWordElement(reader, u"abstractNumId") && !num.isEmpty()) {
            lists.insert(num, WordValue(reader));
        } else if (level && IsWordElement(reader, u"numFmt")) {
            level->format = WordValue(reader);
        } else if (level && IsWordElement(reader, u"lvlText")) {
            level->text = WordValue(reader);
        } else if (level && IsWordElement(reader, u"start")) {
            level->start = WordValue(reader).toInt();
        }
        return Step::Enter;
    }

    void End(QStringView name) override
    {
        if (name == u"abstractNum")
            abstract = nullptr;
        else if (name == u"lvl")
            level = nullptr;
        else if (name == u"num")
            num.clear();
    }
    void Characters(QStringView) override {}

    // The mark of the next item of list numId at level, counted; empty when it has none.
    QString NextMark(const QString &numId, int levelIndex)
    {
        const auto list = lists.constFind(numId);
        if (list == lists.constEnd() || levelIndex < 0 || levelIndex >= kLevels)
            return {};
        const Levels &levels = definitions[*list];
        auto counts = counters.find(numId);
        if (counts == counters.end())
            counts = counters.insert(numId, StartCounts(levels));
        ++(*counts)[levelIndex];
        for (int deeper = levelIndex + 1; deeper < kLevels; ++deeper)
            (*counts)[deeper] = levels[deeper].start - 1;
        return Mark(levels, *counts, levelIndex);
    }

private:
    // Each level counts from before its start.
    static std::array<int, kLevels> StartCounts(const Levels &levels)
    {
        std::array<int, kLevels> counts{};
        for (int index = 0; index < kLevels; ++index)
            counts[index] = levels[index].start - 1;
        return counts;
    }

    static QString Mark(const Levels &levels, const std::array<int, kLevels> &counts, int levelIndex)
    {
        const Level &level = levels[levelIndex];
        if (level.format == u"bullet")
            return ShownBullet(level.text).trimmed();
        QString mark = level.text;
        for (int index = 0; index < kLevels; ++index) {
            const QString placeholder = u'%' + QString::number(index + 1);
            if (mark.contains(placeholder))
                mark.replace(placeholder, ListNumber(NumberStyle(levels[index].format), counts[index]));
        }
        return mark.trimmed();
    }

    QHash<QString, Levels> definitions;
    QHash<QString, QString> lists;  // numId to abstractNumId
    QHash<QString, std::array<int, kLevels>> counters;
    Levels *abstract = nullptr;
    Level *level = nullptr;
    QString num;
};

// The notes referred to in the body, numbered from 1 in the order of their first reference; a
// note is known by its kind and id, such as "footnote 2".
class NoteReferences {
public:
    int Add(const QString &key)
    {
        if (const int known = NumberOf(key))
            return known;
        inOrder.push_back(key);
        numbers.insert(key, int(inOrder.size()));
        return int(inOrder.size());
    }
    int NumberOf(const QString &key) const { return numbers.value(key); }  // 0 when not referred to
    const std::vector<QString> &InOrder() const { return inOrder; }

private:
    std::vector<QString> inOrder;
    QHash<QString, int> numbers;
};

QString NoteMark(int number)
{
    return u'[' + QString::number(number) + u']';
}

// A note's text as "[n] text": word processors put nothing, one space or a tab after the mark.
QString OneSpaceAfterMark(QString note)
{
    if (!note.startsWith(u'['))
        return note;
    const qsizetype mark = note.indexOf(u']') + 1;
    qsizetype text = mark;
    while (text < note.size() && note[text].isSpace() && note[text] != u'\n')
        ++text;
    if (mark > 0 && text < note.size() && note[text] != u'\n')
        note.replace(mark, text - mark, QStringLiteral(" "));
    return note;
}

// The text of the body, or of the notes in a footnotes or endnotes part.
class WordText : public XmlHandler {
public:
    WordText(Numbering &numbering, NoteReferences &references)
        : numbering(numbering), references(references)
    {
    }

    Step Start(const QXmlStreamReader &reader) override
    {
        const QStringView name = reader.name();
        if (name == u"Fallback" || IsWordElement(reader, u"moveFrom"))
            return Step::Skip;
        if (!InWordNamespace(reader))
            return Step::Enter;
        if (name == u"p") {
            writer->EndParagraph();
        } else if (name == u"pPr") {
            inProperties = true;
        } else if (inProperties && name == u"ilvl") {
            listLevel = WordValue(reader).toInt();
        } else if (inProperties && name == u"numId") {
            listId = WordValue(reader);
        } else if (name == u"r") {
            ++runs;
        } else if (name == u"footnote" || name == u"endnote") {
            return StartNote(reader);
        } else if (runs > 0) {
            RunContent(reader);
        }
        return Step::Enter;
    }

    void End(QStringView name) override
    {
        if (name == u"p") {
            writer->EndParagraph();
        } else if (name == u"pPr") {
            EndProperties();
        } else if (name == u"r") {
            runs = std::max(0, runs - 1);
        } else if (name == u"t") {
            inText = false;
        } else if ((name == u"footnote" || name == u"endnote") && writer == &noteWriter) {
            notes.insert(noteKey, OneSpaceAfterMark(noteWriter.Take()));
            writer = &bodyWriter;
        }
    }

    void Characters(QStringView text) override
    {
        if (inText)
            writer->Text(text);
    }

    bool Full() const override { return bodyWriter.Full() || noteWriter.Full(); }

    QString TakeBody() { return bodyWriter.Take(); }
    QHash<QString, QString> TakeNotes() { return std::exchange(notes, {}); }

private:
    void RunContent(const QXmlStreamReader &reader)
    {
        const QStringView name = reader.name();
        if (name == u"t")
            inText = true;
        else if (name == u"tab" || name == u"ptab")
            writer->Text(u"\t");
        else if (name == u"br" || name == u"cr")
            writer->LineBreak();
        else if (name == u"noBreakHyphen")
            writer->Text(u"\u2011");
        else if (name == u"softHyphen")
            writer->Text(u"\u00AD");
        else if (name == u"footnoteReference" || name == u"endnoteReference")
            Reference(name.chopped(9).toString(), reader);
        else if (name == u"footnoteRef" || name == u"endnoteRef")
            writer->Text(NoteMark(references.NumberOf(noteKey)));
    }

    void Reference(const QString &kind, const QXmlStreamReader &reader)
    {
        writer->Text(NoteMark(references.Add(kind + u' ' + WordValue(reader, u"id"))));
    }

    Step StartNote(const QXmlStreamReader &reader)
    {
        noteKey = reader.name().toString() + u' ' + WordValue(reader, u"id");
        if (references.NumberOf(noteKey) == 0)
            return Step::Skip;
        writer = &noteWriter;
        return Step::Enter;
    }

    void EndProperties()
    {
        inProperties = false;
        if (!listId.isEmpty()) {
            const QString mark = numbering.NextMark(listId, listLevel);
            if (!mark.isEmpty())
                writer->SetPrefix(mark + u' ');
        }
        listId.clear();
        listLevel = 0;
    }

    Numbering &numbering;
    NoteReferences &references;
    ParagraphWriter bodyWriter, noteWriter;
    ParagraphWriter *writer = &bodyWriter;
    QHash<QString, QString> notes;
    QString noteKey;
    QString listId;
    int listLevel = 0;
    int runs = 0;
    bool inText = false;
    bool inProperties = false;
};

std::optional<QString> PartText(ZipArchive &archive, const QString &part, WordText &handler,
                                const std::stop_token &stop)
{
    const auto bytes = archive.Read(part);
    if (!bytes || !WalkXml(*bytes, handler, stop))
        return std::nullopt;
    return handler.TakeBody();
}

}  // namespace

std::optional<QString> DocxToText(QByteArrayView bytes, const std::stop_token &stop)
{
    auto archive = ZipArchive::Open(bytes);
    if (!archive)
        return std::nullopt;
    const QString document = Relationships(*archive, QString(), stop).value(QStringLiteral("officeDocument"));
    if (document.isEmpty())
        return std::nullopt;
    const QHash<QString, QString> parts = Relationships(*archive, document, stop);
    Numbering numbering;
    if (const auto definitions = archive->Read(parts.value(QStringLiteral("numbering"))))
        WalkXml(*definitions, numbering, stop);

    NoteReferences references;
    WordText text(numbering, references);
    const auto body = PartText(*archive, document, text, stop);
    if (!body)
        return std::nullopt;
    for (const char *kind : {"footnotes", "endnotes"}) {
        const QString part = parts.value(QLatin1String(kind));
        if (!references.InOrder().empty() && archive->Contains(part) && !PartText(*archive, part, text, stop))
            return std::nullopt;
    }
    const QHash<QString, QString> notes = text.TakeNotes();
    ParagraphWriter noteList;
    for (const QString &key : references.InOrder()) {
        noteList.Text(notes.value(key));
        noteList.EndParagraph();
    }
    return WithNotes(*body, noteList.Take());
}
