#include "PdfConverter.h"
#include "DocumentLimits.h"
#include "HyphenDictionary.h"
#include "PdfParagraphs.h"
#include <memory>
#include <mutex>
#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-page.h>

namespace {

void Quiet(const std::string &, void *)
{
}

QString FromPoppler(const poppler::ustring &text)
{
    const std::vector<char> utf8 = text.to_utf8();
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// A word's size is its box's height: asking poppler for the fonts would have it look up every font
// the file does not embed among the system's, slow and leaving fontconfig's memory behind.
PdfPage PageWords(const poppler::page &page)
{
    PdfPage words;
    words.height = page.page_rect().height();
    for (const poppler::text_box &box : page.text_list()) {
        const poppler::rectf bounds = box.bbox();
        words.words.push_back({FromPoppler(box.text()), bounds.left(), bounds.top(), bounds.right(), bounds.bottom(),
                               bounds.height(), box.has_space_after()});
    }
    return words;
}

}  // namespace

std::optional<QString> PdfToText(QByteArrayView bytes, const std::stop_token &stop)
{
    static std::once_flag quietened;
    std::call_once(quietened, [] { poppler::set_debug_error_function(Quiet, nullptr); });
    std::unique_ptr<poppler::document> document(poppler::document::load_from_raw_data(bytes.data(), int(bytes.size())));
    if (!document || document->is_locked())
        return std::nullopt;
    std::vector<PdfPage> pages;
    qsizetype length = 0;
    for (int index = 0; index < document->pages(); ++index) {
        if (stop.stop_requested() || length > kMaxTextLength)
            return std::nullopt;
        std::unique_ptr<poppler::page> page(document->create_page(index));
        pages.push_back(page ? PageWords(*page) : PdfPage());
        for (const PdfWord &word : pages.back().words)
            length += word.text.size() + 1;
    }
    if (length > kMaxTextLength)
        return std::nullopt;
    return PdfParagraphText(pages, [](QStringView head, QStringView tail) {
        return HyphenDictionary::Installed().KeepsHyphen(head, tail);
    });
}
