#include "PdfConverter.h"
#include "DocumentLimits.h"
#include <QHash>
#include <QRegularExpression>
#include <memory>
#include <mutex>
#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-page.h>

namespace {

enum class Edge { First, Last };

constexpr int kLeastNumberedPages = 2;  // a single number on a single page may be a heading

void Quiet(const std::string &, void *)
{
}

// The number a line consists of, such as "5" or "- 5 -"; -1 for any other line.
int PageNumber(const QString &line)
{
    static const QRegularExpression kNumberOnly(QStringLiteral("^[\\s\\-\u2013\u2014]*(\\d{1,4})[\\s\\-\u2013\u2014]*$"));
    const QRegularExpressionMatch match = kNumberOnly.match(line);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

qsizetype EdgeLine(const QStringList &lines, Edge edge)
{
    if (lines.isEmpty())
        return -1;
    return edge == Edge::First ? 0 : lines.size() - 1;
}

// The pages' lines at the edge that are page numbers: numbers counting along with the pages.
std::vector<bool> PageNumberLines(const std::vector<QStringList> &pages, Edge edge)
{
    std::vector<int> offsets(pages.size(), -1);
    QHash<int, int> pagesWithOffset;
    for (size_t page = 0; page < pages.size(); ++page) {
        const qsizetype line = EdgeLine(pages[page], edge);
        const int number = line < 0 ? -1 : PageNumber(pages[page][line]);
        if (number >= 0) {
            offsets[page] = number - int(page);
            ++pagesWithOffset[offsets[page]];
        }
    }
    int commonOffset = -1, most = 0;
    for (auto each = pagesWithOffset.constBegin(); each != pagesWithOffset.constEnd(); ++each) {
        if (each.value() > most) {
            most = each.value();
            commonOffset = each.key();
        }
    }
    std::vector<bool> numbered(pages.size(), false);
    if (most < kLeastNumberedPages || most * 2 < int(pages.size()))
        return numbered;
    for (size_t page = 0; page < pages.size(); ++page)
        numbered[page] = offsets[page] == commonOffset && offsets[page] >= 0;
    return numbered;
}

bool EndsHyphenated(const QString &line)
{
    if (line.size() < 2)
        return false;
    const QChar last = line.back();
    const bool hyphen = last == u'-' || last == QChar(0x00AD) || last == QChar(0x2010);
    return hyphen && line[line.size() - 2].isLetter();
}

bool StartsWithParticle(const QString &line)
{
    static const QRegularExpression kParticle(QStringLiteral("^(либо|нибудь|таки)(?!\\w)"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    return kParticle.match(line).hasMatch();
}

QStringList JoinHyphenated(const QStringList &lines)
{
    QStringList joined;
    for (const QString &line : lines) {
        if (!joined.isEmpty() && EndsHyphenated(joined.back()) && !line.isEmpty() && line[0].isLower()) {
            if (!StartsWithParticle(line))
                joined.back().chop(1);
            joined.back() += line;
        } else {
            joined.append(line);
        }
    }
    return joined;
}

QStringList PageLines(const poppler::page &page)
{
    const std::vector<char> utf8 = page.text(poppler::rectf(), poppler::page::raw_order_layout).to_utf8();
    QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = line.trimmed();
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    while (!lines.isEmpty() && lines.front().isEmpty())
        lines.removeFirst();
    return lines;
}

}  // namespace

QString JoinPages(const std::vector<QStringList> &pages)
{
    const std::vector<bool> numberFirst = PageNumberLines(pages, Edge::First);
    const std::vector<bool> numberLast = PageNumberLines(pages, Edge::Last);
    QStringList lines;
    for (size_t page = 0; page < pages.size(); ++page) {
        QStringList pageLines = pages[page];
        if (numberLast[page])
            pageLines.removeLast();
        if (numberFirst[page] && !pageLines.isEmpty())
            pageLines.removeFirst();
        lines += pageLines;
    }
    return JoinHyphenated(lines).join(u'\n');
}

std::optional<QString> PdfToText(QByteArrayView bytes, const std::stop_token &stop)
{
    static std::once_flag quietened;
    std::call_once(quietened, [] { poppler::set_debug_error_function(Quiet, nullptr); });
    std::unique_ptr<poppler::document> document(poppler::document::load_from_raw_data(bytes.data(), int(bytes.size())));
    if (!document || document->is_locked())
        return std::nullopt;
    std::vector<QStringList> pages;
    qsizetype length = 0;
    for (int index = 0; index < document->pages(); ++index) {
        if (stop.stop_requested() || length > kMaxTextLength)
            return std::nullopt;
        std::unique_ptr<poppler::page> page(document->create_page(index));
        pages.push_back(page ? PageLines(*page) : QStringList());
        for (const QString &line : pages.back())
            length += line.size() + 1;
    }
    if (length > kMaxTextLength)
        return std::nullopt;
    return JoinPages(pages);
}
