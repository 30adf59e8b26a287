#pragma once
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// Documents made for the tests and benchmarks of the converters.
namespace DocumentSamples {

using Entries = std::vector<std::pair<QString, QByteArray>>;

// A zip package of the entries in order; "mimetype" is stored, the others deflated.
QByteArray Zip(const Entries &entries);

// An EPUB whose one page unpacks to pageBytes bytes of a single paragraph, from a package of a
// few hundred kilobytes.
QByteArray ZipBombEpub(qint64 pageBytes);

// An HTML page holding one paragraph of about size bytes of words.
QByteArray OneParagraphHtml(qsizetype size);

// Writes size bytes made of piece repeated (the last one cut) into path.
bool WriteRepeated(const QString &path, const QByteArray &piece, qint64 size);

// A minimal package around a Word body (the content of <w:body>) and optional footnotes and
// numbering definitions (the content of <w:footnotes> and <w:numbering>).
QByteArray Docx(const QByteArray &body, const QByteArray &footnotes = {}, const QByteArray &numbering = {});

// A minimal OpenDocument text around the content of <office:text>, with automatic styles.
QByteArray Odt(const QByteArray &text, const QByteArray &automaticStyles = {});

}  // namespace DocumentSamples
