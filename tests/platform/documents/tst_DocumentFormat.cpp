#include "platform/documents/DocumentFormat.h"
#include "testsupport/TestDocuments.h"
#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(DocumentFormat)

class TestDocumentFormat : public QObject {
    Q_OBJECT

private slots:
    void contentFirstNameSecond_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<DocumentFormat>("format");
        const auto document = [](const char *row, const char *file, const char *name, DocumentFormat format) {
            QTest::newRow(row) << TestDocuments::Bytes(QLatin1String(file)) << QString::fromUtf8(name) << format;
        };
        document("text in upper case", "ru_short.cp1251.txt", "Book.TXT", DocumentFormat::PlainText);
        document("utf-16 text", "mixed_story.utf16le.txt", "book.txt", DocumentFormat::PlainText);
        document("text without an extension", "ru_story.utf8.txt", "notes", DocumentFormat::PlainText);
        document("a book without an extension", "ru_story.cp1251.fb2", "Поезд", DocumentFormat::Fb2);
        document("html named txt", "ru_story.cp1251.htm", "story.txt", DocumentFormat::Html);
        document("rtf named doc", "ru_story.cp1251.rtf", "story.doc", DocumentFormat::LibreOffice);
        document("word 97 without an extension", "ru_story.doc", "story", DocumentFormat::LibreOffice);
        document("epub named zip", "ru_story.epub", "story.zip", DocumentFormat::Epub);
        document("docx named odt", "en_story.docx", "story.odt", DocumentFormat::Docx);
        document("odt named docx", "mixed_story.odt", "story.docx", DocumentFormat::Odt);
        document("pdf named txt", "ru_story.pdf", "story.txt", DocumentFormat::Pdf);
        QTest::newRow("html by its name") << QByteArray("Just words, no markup yet.") << "page.HTM" << DocumentFormat::Html;
        QTest::newRow("binary named txt") << QByteArray("\x00\x01\x02\x03 data", 9) << "data.txt" << DocumentFormat::Unknown;
        QTest::newRow("binary named wpd") << QByteArray("\x00\x01\x02\x03 data", 9) << "letter.wpd" << DocumentFormat::LibreOffice;
        QTest::newRow("a zip that is no document") << QByteArray("PK\x03\x04\x00\x00", 6) << "a.docx" << DocumentFormat::Unknown;
        QTest::newRow("empty") << QByteArray() << "empty.txt" << DocumentFormat::PlainText;
    }
    void contentFirstNameSecond()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(DocumentFormat, format);
        QCOMPARE(SniffFormat(bytes, name), format);
    }
};

QTEST_GUILESS_MAIN(TestDocumentFormat)
#include "tst_DocumentFormat.moc"
