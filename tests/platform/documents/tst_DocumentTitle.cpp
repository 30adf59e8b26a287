#include "platform/documents/DocumentTitle.h"
#include "testsupport/TestDocuments.h"
#include "testsupport/TestTexts.h"
#include <QTemporaryDir>
#include <QTest>

class TestDocumentTitle : public QObject {
    Q_OBJECT

private slots:
    void theFileTellsItsTitleAndAuthor_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("title");
        for (const char *document : {"ru_story.fb2", "ru_story.cp1251.fb2", "ru_story.epub", "ru_story.html"})
            QTest::newRow(document) << TestDocuments::Path(document) << QStringLiteral("Последний поезд");
        QTest::newRow("a Word document without one") << TestDocuments::Path("ru_story.docx") << QString();
        QTest::newRow("plain text") << TestDocuments::Path("ru_story.utf8.txt") << QString();
        QTest::newRow("no file") << QStringLiteral("/nonexistent/book.fb2") << QString();
    }

    void theFileTellsItsTitleAndAuthor()
    {
        QFETCH(QString, document);
        QFETCH(QString, title);
        QCOMPARE(ReadDocumentTitle(document).title, title);
    }

    // The first author of the title, in the order of the names; the translator's names are not.
    void anFb2BookNamesItsFirstAuthor()
    {
        QTemporaryDir folder;
        const QString book = folder.filePath("book.fb2");
        WriteAll(book, QStringLiteral(
                       "<?xml version=\"1.0\" encoding=\"utf-8\"?><FictionBook><description><title-info>"
                       "<author><first-name>Лев</first-name><middle-name>Николаевич</middle-name>"
                       "<last-name>Толстой</last-name></author><author><first-name>Другой</first-name></author>"
                       "<book-title>Война и мир</book-title><translator><first-name>Никто</first-name></translator>"
                       "</title-info></description><body><p>Текст.</p></body></FictionBook>")
                       .toUtf8());
        const DocumentTitle read = ReadDocumentTitle(book);
        QCOMPARE(read.title, QStringLiteral("Война и мир"));
        QCOMPARE(read.author, QStringLiteral("Лев Николаевич Толстой"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentTitle)
#include "tst_DocumentTitle.moc"
