#include "settings/TextEncoding.h"
#include <QStringDecoder>

namespace {

bool IsUtf8Continuation(char byte)
{
    return (quint8(byte) & 0xC0) == 0x80;
}

QString DecodeWindows1251(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

}  // namespace

QString DecodeUtf8Or1251(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return DecodeWindows1251(bytes);
    return text;
}

QByteArray EncodeUtf8Within(const QString &text, int maxBytes)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes)
        return bytes;
    qsizetype cut = qMax(maxBytes, 0);
    while (cut > 0 && IsUtf8Continuation(bytes.at(cut)))
        --cut;
    bytes.truncate(cut);
    return bytes;
}
