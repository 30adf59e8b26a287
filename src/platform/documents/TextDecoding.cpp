#include "TextDecoding.h"
#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <librcd.h>

namespace {

constexpr qsizetype kSniffedBytes = 64 * 1024;
constexpr int kControlBytesPerHundred = 1;

QString DecodeWith(QStringDecoder decoder, QByteArrayView bytes)
{
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

const char *RussianCodePage(QByteArrayView bytes)
{
    const int length = int(std::min<qsizetype>(bytes.size(), INT_MAX));
    switch (rcdGetRussianCharset(bytes.data(), length)) {
    case RUSSIAN_CHARSET_KOI:
        return "KOI8-R";
    case RUSSIAN_CHARSET_ALT:
        return "IBM866";
    case RUSSIAN_CHARSET_LATIN:
        return "windows-1252";
    default:
        return "windows-1251";
    }
}

bool IsControlByte(quint8 byte)
{
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\v' && byte != '\f'
        && byte != 0x1A && byte != 0x1B;
}

}  // namespace

QString DecodeText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return DecodeWith(QStringDecoder(QStringConverter::Utf16LE), bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return DecodeWith(QStringDecoder(QStringConverter::Utf16BE), bytes.sliced(2));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    return DecodeWith(QStringDecoder(RussianCodePage(bytes)), bytes);
}

bool LooksLikeText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    const QByteArrayView head = bytes.first(std::min(bytes.size(), kSniffedBytes));
    if (head.contains('\0'))
        return false;
    const auto controls = std::count_if(head.begin(), head.end(), [](char byte) { return IsControlByte(quint8(byte)); });
    return controls * 100 <= head.size() * kControlBytesPerHundred;
}

std::optional<QString> PlainText(QByteArrayView bytes)
{
    if (!LooksLikeText(bytes))
        return std::nullopt;
    QString text = DecodeText(bytes);
    if (text.contains(QChar(0)))
        return std::nullopt;
    UseLfLineEnds(text);
    return text;
}

void UseLfLineEnds(QString &text)
{
    if (!text.contains(u'\r'))
        return;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
}
