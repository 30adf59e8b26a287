#include "PdfParagraphs.h"
#include "ParagraphWriter.h"
#include "platform/WordEdges.h"
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kMarkSizeShare = 0.8;   // a note mark's font is smaller than this share of its word's
constexpr double kRaisedShare = 0.2;     // or it sits higher than this share of the word's height
constexpr double kSameLineShare = 0.5;   // boxes overlapping this share of the lower one share a line
constexpr double kSizeTolerance = 0.1;   // font sizes within this share of each other are alike
constexpr double kGapShare = 1.25;       // a gap this much over the usual line pitch parts paragraphs
constexpr double kIndentEms = 0.8;       // a first-line indent
constexpr double kShortLineEms = 2.5;    // a line ending this far before its column's right edge
constexpr double kBackStep = 1.0;        // points a word may start before the previous word's end
constexpr int kLeastRepeatingPages = 2;  // a single page's top or bottom line is its own text

struct Line {
    QString text;
    double left = 0, top = 0, right = 0, bottom = 0;
    double size = 0;           // of its largest word that is no note mark
    int leadingNumber = -1;    // a small or raised number it starts with: a note's own mark
    std::vector<int> marks;    // the note marks in it
    bool flowStart = false;    // the first line of a page or of a column
    int flow = 0;
};

struct Page {
    double height = 0;
    std::vector<Line> lines;
};

struct Measures {
    double bodySize = 0;
    double pitch = 0;          // the usual distance from one line of body text to the next
    bool gapsPartParagraphs = false;
};

struct Flow {
    double left = 0, right = 0;
};

bool IsNumber(QStringView text)
{
    return !text.isEmpty() && text.size() <= 3 && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

bool Alike(double size, double other)
{
    return std::abs(size - other) <= kSizeTolerance * std::max(size, other);
}

// A number set smaller than the word beside it, or raised above it.
bool IsMarkBeside(const PdfWord &number, const PdfWord &word)
{
    const double height = word.bottom - word.top;
    return IsNumber(number.text)
        && (number.fontSize < word.fontSize * kMarkSizeShare || number.bottom < word.bottom - height * kRaisedShare);
}

bool SharesLine(const std::vector<PdfWord> &line, const PdfWord &word)
{
    const PdfWord &last = line.back();
    if (word.left < last.right - kBackStep)
        return false;
    const double overlap = std::min(last.bottom, word.bottom) - std::max(last.top, word.top);
    const double lower = std::min(last.bottom - last.top, word.bottom - word.top);
    return lower > 0 && overlap > lower * kSameLineShare;
}

Line MakeLine(const std::vector<PdfWord> &words)
{
    Line line;
    line.left = words.front().left;
    line.top = words.front().top;
    line.right = words.front().right;
    line.bottom = words.front().bottom;
    for (size_t at = 0; at < words.size(); ++at) {
        const PdfWord &word = words[at];
        line.left = std::min(line.left, word.left);
        line.top = std::min(line.top, word.top);
        line.right = std::max(line.right, word.right);
        line.bottom = std::max(line.bottom, word.bottom);
        if (at == 0 && words.size() > 1 && IsMarkBeside(word, words[1])) {
            line.leadingNumber = word.text.toInt();
            continue;
        }
        if (at > 0 && !words[at - 1].spaceAfter && IsMarkBeside(word, words[at - 1])) {
            line.marks.push_back(word.text.toInt());
            line.text += u'[' + word.text + u']';
        } else {
            line.text += word.text;
            line.size = std::max(line.size, word.fontSize);
        }
        if (word.spaceAfter && at + 1 < words.size())
            line.text += u' ';
    }
    line.text = line.text.trimmed();
    return line;
}

std::vector<Line> PageLines(const std::vector<PdfWord> &words)
{
    std::vector<Line> lines;
    std::vector<PdfWord> current;
    for (const PdfWord &word : words) {
        if (word.text.trimmed().isEmpty())
            continue;
        if (!current.empty() && !SharesLine(current, word)) {
            lines.push_back(MakeLine(current));
            current.clear();
        }
        current.push_back(word);
    }
    if (!current.empty())
        lines.push_back(MakeLine(current));
    std::erase_if(lines, [](const Line &line) { return line.text.isEmpty() && line.leadingNumber < 0; });
    return lines;
}

// Running headers and footers: the topmost or bottommost line of the pages.

enum class Edge { Top, Bottom };

std::optional<size_t> EdgeLine(const std::vector<Line> &lines, Edge edge)
{
    if (lines.size() < 2)
        return std::nullopt;
    const auto higher = [](const Line &a, const Line &b) { return a.top < b.top; };
    const auto lower = [](const Line &a, const Line &b) { return a.bottom < b.bottom; };
    const auto found = edge == Edge::Top ? std::min_element(lines.begin(), lines.end(), higher)
                                         : std::max_element(lines.begin(), lines.end(), lower);
    return size_t(found - lines.begin());
}

// The number a line consists of, such as "5" or "- 5 -"; -1 for any other line.
int PageNumber(const QString &line)
{
    static const QRegularExpression kNumberOnly(QStringLiteral("^[\\s\\-\u2013\u2014]*(\\d{1,4})[\\s\\-\u2013\u2014]*$"));
    const QRegularExpressionMatch match = kNumberOnly.match(line);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// A line's text with its numbers made alike, so that "Глава 3 · 17" repeats as "Глава # · #".
QString RepeatKey(const QString &text)
{
    static const QRegularExpression kDigits(QStringLiteral("\\d+"));
    return QString(text).replace(kDigits, QStringLiteral("#")).simplified();
}

bool RepeatsEnough(int pages, int total)
{
    return pages >= kLeastRepeatingPages && pages * 2 >= total;
}

// Which pages' edge line repeats: the same text on enough pages, or numbers counting with the pages.
std::vector<bool> RepeatingEdges(const std::vector<Page> &pages, const std::vector<std::optional<size_t>> &edges)
{
    QHash<QString, int> pagesWithText;
    QHash<int, int> pagesWithOffset;
    for (size_t page = 0; page < pages.size(); ++page) {
        if (!edges[page])
            continue;
        const QString &text = pages[page].lines[*edges[page]].text;
        ++pagesWithText[RepeatKey(text)];
        if (const int number = PageNumber(text); number >= 0)
            ++pagesWithOffset[number - int(page)];
    }
    const int total = int(pages.size());
    std::vector<bool> repeating(pages.size(), false);
    for (size_t page = 0; page < pages.size(); ++page) {
        if (!edges[page])
            continue;
        const QString &text = pages[page].lines[*edges[page]].text;
        const int number = PageNumber(text);
        repeating[page] = RepeatsEnough(pagesWithText.value(RepeatKey(text)), total)
                       || (number >= 0 && RepeatsEnough(pagesWithOffset.value(number - int(page)), total));
    }
    return repeating;
}

void DropRepeatingEdges(std::vector<Page> &pages, Edge edge)
{
    std::vector<std::optional<size_t>> edges;
    for (const Page &page : pages)
        edges.push_back(EdgeLine(page.lines, edge));
    const std::vector<bool> repeating = RepeatingEdges(pages, edges);
    for (size_t page = 0; page < pages.size(); ++page) {
        if (repeating[page])
            pages[page].lines.erase(pages[page].lines.begin() + qsizetype(*edges[page]));
    }
}

// Measures of the body text: its most common font size and line pitch.

double MostCommon(const QHash<int, double> &weights, double halfSteps)
{
    int best = 0;
    double most = -1;
    for (auto each = weights.constBegin(); each != weights.constEnd(); ++each) {
        if (each.value() > most || (each.value() == most && each.key() < best)) {
            most = each.value();
            best = each.key();
        }
    }
    return best / halfSteps;
}

Measures Measure(const std::vector<Page> &pages)
{
    constexpr double kSteps = 2;  // sizes and distances counted in half points
    QHash<int, double> charactersOfSize;
    for (const Page &page : pages) {
        for (const Line &line : page.lines)
            charactersOfSize[int(std::lround(line.size * kSteps))] += double(line.text.size());
    }
    Measures measures;
    measures.bodySize = charactersOfSize.isEmpty() ? 0 : MostCommon(charactersOfSize, kSteps);
    QHash<int, double> distances;
    std::vector<double> found;
    for (const Page &page : pages) {
        for (size_t at = 1; at < page.lines.size(); ++at) {
            const Line &above = page.lines[at - 1], &line = page.lines[at];
            const double distance = line.top - above.top;
            if (Alike(above.size, measures.bodySize) && Alike(line.size, measures.bodySize) && distance > 0
                && distance < 3 * measures.bodySize) {
                distances[int(std::lround(distance * kSteps))] += 1;
                found.push_back(distance);
            }
        }
    }
    measures.pitch = distances.isEmpty() ? measures.bodySize * 1.2 : MostCommon(distances, kSteps);
    measures.gapsPartParagraphs = std::any_of(found.begin(), found.end(), [&measures](double distance) {
        return distance > measures.pitch * kGapShare;
    });
    return measures;
}

// Pages and columns: a line above the one before it starts another column.
std::vector<Flow> MarkFlows(std::vector<Page> &pages, const Measures &measures)
{
    std::vector<Flow> flows;
    std::vector<bool> hasBody;
    for (Page &page : pages) {
        for (size_t at = 0; at < page.lines.size(); ++at) {
            Line &line = page.lines[at];
            line.flowStart = at == 0 || line.top < page.lines[at - 1].top - (line.bottom - line.top) * kSameLineShare;
            if (line.flowStart) {
                flows.push_back({line.left, line.right});
                hasBody.push_back(false);
            }
            line.flow = int(flows.size()) - 1;
            Flow &flow = flows.back();
            const bool body = Alike(line.size, measures.bodySize);
            if (body && !hasBody.back())
                flow = {line.left, line.right};
            if (body || !hasBody.back()) {
                flow.left = std::min(flow.left, line.left);
                flow.right = std::max(flow.right, line.right);
            }
            hasBody.back() = hasBody.back() || body;
        }
    }
    return flows;
}

// Notes: the lines at the foot of a column from one that starts with a marked number on.

struct Note {
    int number = 0;
    QString text;
};

// The note number a line starts with, and its text after it; -1 when it starts with none.
std::pair<int, QString> LeadingNumber(const Line &line)
{
    if (line.leadingNumber >= 0)
        return {line.leadingNumber, line.text};
    qsizetype digits = 0;
    while (digits < line.text.size() && digits < 4 && line.text[digits].isDigit())
        ++digits;
    if (digits == 0 || digits == 4 || (digits < line.text.size() && line.text[digits].isDigit()))
        return {-1, {}};
    return {line.text.left(digits).toInt(), line.text.sliced(digits).trimmed()};
}

// A line in the lower half of its page that is set apart from the text above it: by its own
// column, a gap, a smaller font or a small number in front.
bool StartsNotes(const Line &line, const Line *above, double pageHeight, const Measures &measures)
{
    if (line.top < pageHeight / 2)
        return false;
    const bool setApart = line.flowStart || (above && line.top - above->top > measures.pitch * kGapShare);
    return setApart || line.leadingNumber >= 0 || line.size < measures.bodySize * (1 - kSizeTolerance);
}

bool EndsHyphenated(const QString &text)
{
    if (text.size() < 2)
        return false;
    const QChar last = text.back();
    const bool hyphen = last == u'-' || last == QChar(0x00AD) || last == QChar(0x2010);
    return hyphen && text[text.size() - 2].isLetterOrNumber();
}

void AppendLine(QString &paragraph, const QString &line, const KeepsHyphen &keepsHyphen)
{
    if (paragraph.isEmpty()) {
        paragraph = line;
        return;
    }
    if (!EndsHyphenated(paragraph)) {
        paragraph += u' ' + line;
        return;
    }
    const bool broken = paragraph[paragraph.size() - 2].isLetter() && !line.isEmpty() && line[0].isLower();
    if (paragraph.back() == QChar(0x00AD)
        || (broken && !keepsHyphen(LettersAtEnd(QStringView(paragraph).chopped(1)), LettersAtStart(line))))
        paragraph.chop(1);
    paragraph += line;
}

const QString kSentenceEnds = QStringLiteral(".!?…:;»\"”)");

class ParagraphBuilder {
public:
    ParagraphBuilder(const Measures &measures, const std::vector<Flow> &flows, const KeepsHyphen &keepsHyphen)
        : measures(measures), flows(flows), keepsHyphen(keepsHyphen)
    {
    }

    void Add(const Line &line)
    {
        if (previous && StartsParagraph(*previous, line))
            EndParagraph();
        AppendLine(paragraph, line.text, keepsHyphen);
        previous = line;
    }

    QString Take()
    {
        EndParagraph();
        return paragraphs.join(u'\n');
    }

private:
    bool EndsShort(const Line &line) const
    {
        return line.right < flows[size_t(line.flow)].right - kShortLineEms * line.size && !line.text.isEmpty()
            && kSentenceEnds.contains(line.text.back());
    }

    // Set apart from both edges of its column, as a heading in the body's font is.
    bool IsCentred(const Line &line) const
    {
        const Flow &flow = flows[size_t(line.flow)];
        const double indent = kIndentEms * line.size;
        return line.left > flow.left + indent && line.right < flow.right - indent;
    }

    bool StartsParagraph(const Line &above, const Line &line) const
    {
        if (!Alike(above.size, line.size) || IsCentred(above) || IsCentred(line))
            return true;
        const double indent = kIndentEms * line.size;
        if (line.flowStart)
            return line.left > flows[size_t(line.flow)].left + indent || EndsShort(above);
        if (line.left > above.left + indent)
            return true;
        const double pitch = measures.pitch * line.size / std::max(measures.bodySize, 1.0);
        if (line.top - above.top > pitch * kGapShare)
            return true;
        return !measures.gapsPartParagraphs && EndsShort(above);
    }

    void EndParagraph()
    {
        if (!paragraph.isEmpty())
            paragraphs.append(std::exchange(paragraph, QString()));
    }

    const Measures &measures;
    const std::vector<Flow> &flows;
    const KeepsHyphen &keepsHyphen;
    std::optional<Line> previous;
    QString paragraph;
    QStringList paragraphs;
};

}  // namespace

bool KeepsHyphenBeforeParticle(QStringView, QStringView tail)
{
    return tail == u"либо" || tail == u"нибудь" || tail == u"таки";
}

QString PdfParagraphText(const std::vector<PdfPage> &pdfPages, const KeepsHyphen &keepsHyphen)
{
    std::vector<Page> pages;
    for (const PdfPage &pdfPage : pdfPages)
        pages.push_back({pdfPage.height, PageLines(pdfPage.words)});
    for (int round = 0; round < 2; ++round) {  // a header over a page number, or under one
        DropRepeatingEdges(pages, Edge::Top);
        DropRepeatingEdges(pages, Edge::Bottom);
    }
    const Measures measures = Measure(pages);
    const std::vector<Flow> flows = MarkFlows(pages, measures);

    ParagraphBuilder body(measures, flows, keepsHyphen);
    std::vector<Note> notes;
    std::vector<int> pending;  // marked numbers whose notes are still to come
    for (const Page &page : pages) {
        int notesFlow = -1;
        for (size_t at = 0; at < page.lines.size(); ++at) {
            const Line &line = page.lines[at];
            const auto [number, rest] = LeadingNumber(line);
            const auto waiting = std::find(pending.begin(), pending.end(), number);
            const bool noteStarts = waiting != pending.end()
                && (line.flow == notesFlow || StartsNotes(line, at > 0 ? &page.lines[at - 1] : nullptr, page.height, measures));
            if (noteStarts) {
                pending.erase(waiting);
                notes.push_back({number, rest});
                notesFlow = line.flow;
            } else if (line.flow == notesFlow) {
                AppendLine(notes.back().text, line.text, keepsHyphen);
            } else {
                body.Add(line);
                pending.insert(pending.end(), line.marks.begin(), line.marks.end());
            }
        }
    }
    QStringList noteLines;
    for (const Note &note : notes)
        noteLines.append(QStringLiteral("[%1] %2").arg(note.number).arg(note.text));
    return WithNotes(body.Take(), noteLines.join(u'\n'));
}
