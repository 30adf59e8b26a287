#include "platform/documents/DocumentFormat.h"
#include "testsupport/Corpus.h"
#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(DocumentFormat)

namespace {

QByteArray CorpusBytes(const QString &name)
{
    return Corpus::Bytes(name);
}

}  // namespace

class TestDocumentFormat : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { REQUIRE_IN_CORPUS("ru_turgenev_mumu.epub"); }

    void contentFirstNameSecond_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<DocumentFormat>("format");
        const auto corpus = [](const char *row, const char *document, const char *name, DocumentFormat format) {
            QTest::newRow(row) << CorpusBytes(QLatin1String(document)) << QString::fromUtf8(name) << format;
        };
        corpus("text in upper case", "ru_pushkin_short.cp1251.txt", "Book.TXT", DocumentFormat::PlainText);
        corpus("utf-16 text", "mixed_austen_chekhov.utf16le.txt", "book.txt", DocumentFormat::PlainText);
        corpus("text without an extension", "ru_chekhov_tolstyi_i_tonkii.utf8.txt", "notes", DocumentFormat::PlainText);
        corpus("a book without an extension", "ru_gogol_kolyaska.cp1251.fb2", "Коляска", DocumentFormat::Fb2);
        corpus("html named txt", "ru_gogol_nos_1.cp1251.htm", "nos.txt", DocumentFormat::Html);
        corpus("rtf named doc", "ru_chekhov_vanka.cp1251.rtf", "vanka.doc", DocumentFormat::LibreOffice);
        corpus("word 97 without an extension", "ru_tolstoy_posle_bala.doc", "posle_bala", DocumentFormat::LibreOffice);
        corpus("epub named zip", "ru_turgenev_mumu.epub", "mumu.zip", DocumentFormat::Epub);
        corpus("docx named odt", "en_fixture_word_raw_text.docx", "raw.odt", DocumentFormat::Docx);
        corpus("odt named docx", "mixed_pushkin_pikovaya_dama_1_2.odt", "dama.docx", DocumentFormat::Odt);
        corpus("pdf named txt", "ru_turgenev_senilia.hyphenated.pdf", "senilia.txt", DocumentFormat::Pdf);
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
