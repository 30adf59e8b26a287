#include "PlainTextDocument.h"
#include "settings/TextEncoding.h"
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

std::optional<QString> PlainTextDocument::Read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return Decode(file.readAll());
}

std::optional<QString> PlainTextDocument::Decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                            : QStringConverter::Utf16BE);
        QString text = decoder.decode(bytes.mid(2));
        if (decoder.hasError() || text.contains(QChar(0)))
            return std::nullopt;
        return text;
    }
    if (bytes.contains('\0'))
        return std::nullopt;
    return DecodeUtf8Or1251(bytes);
}
