#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <stop_token>

class QXmlStreamReader;

// What a converter does with the elements and text of an XML document.
class XmlHandler {
public:
    enum class Step { Enter, Skip };  // Skip passes over the element and all it holds

    virtual ~XmlHandler() = default;
    virtual Step Start(const QXmlStreamReader &reader) = 0;  // at an element's start tag
    virtual void End(QStringView name) = 0;                  // at its end tag, by local name
    virtual void Characters(QStringView text) = 0;
    virtual bool Full() const { return false; }              // the text made is too long
};

// The value of the current element's attribute of that local name, in any namespace; empty when
// it has none.
QString AttributeValue(const QXmlStreamReader &reader, QStringView name);

// Reads the document with QXmlStreamReader, which honours its declared encoding. False when it is
// not well-formed XML, the handler became full or stop was requested.
bool WalkXml(QByteArrayView bytes, XmlHandler &handler, const std::stop_token &stop);
