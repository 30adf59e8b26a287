// libFuzzer target: any layout of words through the PDF paragraph builder ends without a crash, a
// leak or undefined behaviour, and keeps the invariants checked below. Each word takes 7 bytes:
// its left, top, width and height, its font size, a flags byte (bit 0: a space after it, bit 1: it
// starts a new page) and which of a few typical texts it holds.
#include "platform/documents/PdfParagraphs.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr size_t kWordBytes = 7;

const char16_t *const kTexts[] = {u"слово", u"Слово", u"1", u"23", u"-", u"при-", u"кто-", u"нибудь", u"т. е.",
                                  u"конец.", u"\u00AD", u"»", u"", u" ", u"Глава", u"1Сноска", u"7-"};

void Check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<PdfPage> pages(1, PdfPage{800, {}});
    qsizetype letters = 0;
    for (size_t at = 0; at + kWordBytes <= size; at += kWordBytes) {
        const uint8_t *word = data + at;
        if ((word[5] & 2) != 0)
            pages.push_back(PdfPage{800, {}});
        const QString text = QString::fromUtf16(kTexts[word[6] % std::size(kTexts)]);
        const double left = word[0] * 2.0, top = word[1] * 3.0;
        pages.back().words.push_back({text, left, top, left + word[2], top + word[3] / 4.0, word[4] / 8.0, (word[5] & 1) != 0});
        letters += text.size();
    }
    const qsizetype words = qsizetype(size / kWordBytes);
    const QString text = PdfParagraphText(pages);
    Check(text.size() <= letters + 4 * words + 2, "no more than the words, their marks and the breaks between");
    Check(!text.startsWith(u'\n') && !text.endsWith(u'\n'), "no blank line at either end");
    Check(!text.contains(QStringLiteral("\n\n\n")), "one blank line at most");
    return 0;
}
