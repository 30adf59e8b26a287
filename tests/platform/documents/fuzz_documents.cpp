// libFuzzer target: any bytes through the encoding detection or one built-in converter, chosen by
// LEKTAVO_FUZZ_CONVERTER (encoding, html, fb2, epub, docx, odt, pdf), end without a crash, a leak
// or undefined behaviour, and keep the invariants checked below.
#include "platform/documents/DocumentLimits.h"
#include "platform/documents/DocxConverter.h"
#include "platform/documents/EpubConverter.h"
#include "platform/documents/Fb2Converter.h"
#include "platform/documents/HtmlConverter.h"
#include "platform/documents/OdtConverter.h"
#include "platform/documents/PdfConverter.h"
#include "platform/documents/TextDecoding.h"
#include <QStringDecoder>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using Converter = std::optional<QString> (*)(QByteArrayView, const std::stop_token &);

const struct {
    const char *name;
    Converter convert;
} kConverters[] = {
    {"html", HtmlToText}, {"fb2", Fb2ToText}, {"epub", EpubToText},
    {"docx", DocxToText}, {"odt", OdtToText}, {"pdf", PdfToText},
};

Converter chosen = nullptr;  // none: the encoding detection

void Check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void CheckDecoding(QByteArrayView bytes)
{
    const QString text = DecodeText(bytes);
    Check(text.size() <= bytes.size(), "no more characters than bytes");
    const bool marked = bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    if (!marked && !utf8.hasError())
        Check(text == asUtf8, "valid UTF-8 without a byte-order mark is read as UTF-8");
    if (const auto plain = PlainText(bytes)) {
        Check(!plain->contains(u'\r'), "LF line ends");
        Check(!plain->contains(QChar(0)), "no NUL in a text");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const char *wanted = std::getenv("LEKTAVO_FUZZ_CONVERTER");
    if (!wanted || std::strcmp(wanted, "encoding") == 0)
        return 0;
    for (const auto &converter : kConverters) {
        if (std::strcmp(wanted, converter.name) == 0)
            chosen = converter.convert;
    }
    Check(chosen != nullptr, "LEKTAVO_FUZZ_CONVERTER names a converter");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!chosen) {
        CheckDecoding(bytes);
        return 0;
    }
    if (const auto text = chosen(bytes, {}))
        Check(text->size() <= kMaxTextLength, "text within its bound");
    return 0;
}
