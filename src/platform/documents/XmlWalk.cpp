#include "XmlWalk.h"
#include <QXmlStreamReader>

namespace {

constexpr int kTokensBetweenChecks = 4096;

}  // namespace

QString AttributeValue(const QXmlStreamReader &reader, QStringView name)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (attribute.name() == name)
            return attribute.value().toString();
    }
    return {};
}

bool WalkXml(QByteArrayView bytes, XmlHandler &handler, const std::stop_token &stop)
{
    QXmlStreamReader reader(QByteArray::fromRawData(bytes.data(), bytes.size()));
    for (int tokens = 1; !reader.atEnd(); ++tokens) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (handler.Start(reader) == XmlHandler::Step::Skip)
                reader.skipCurrentElement();
            break;
        case QXmlStreamReader::EndElement:
            handler.End(reader.name());
            break;
        case QXmlStreamReader::Characters:
            handler.Characters(reader.text());
            break;
        default:
            break;
        }
        if (tokens % kTokensBetweenChecks == 0 && (stop.stop_requested() || handler.Full()))
            return false;
    }
    return !reader.hasError() && !handler.Full() && !stop.stop_requested();
}
