#include "testsupport/Corpus.h"
#include "workspace/PlainTextDocument.h"
#include <QDir>
#include <QTest>

class TestPlainTextDocument : public QObject {
    Q_OBJECT

    static QString Normalised(QString text)
    {
        text.replace("\r\n", "\n");
        text.remove(QChar(0xFEFF));
        return text.trimmed();
    }

private slots:
    void plainTextInItsEncodings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("utf-8") << "ru_chekhov_tolstyi_i_tonkii.utf8.txt";
        QTest::newRow("windows-1251") << "ru_chekhov_smert_chinovnika.cp1251.txt";
        QTest::newRow("utf-16le") << "mixed_austen_chekhov.utf16le.txt";
    }
    void plainTextInItsEncodings()
    {
        QFETCH(QString, name);
        REQUIRE_IN_CORPUS(name);
        REQUIRE_IN_CORPUS(name + ".expected.txt");
        const auto text = PlainTextDocument::Read(Corpus::Path(name));
        QVERIFY(text);
        QCOMPARE(Normalised(*text), Normalised(QString::fromUtf8(Corpus::Bytes(name + ".expected.txt"))));
    }

    void binaryAndMissingFilesAreRefused()
    {
        REQUIRE_IN_CORPUS("en_fixture_word97_raw_text.doc");
        QVERIFY(!PlainTextDocument::Read(Corpus::Path("en_fixture_word97_raw_text.doc")));
        QVERIFY(!PlainTextDocument::Read(Corpus::Path("no_such_file.txt")));
        QVERIFY(!PlainTextDocument::Read(QDir::tempPath()));
        QVERIFY(!PlainTextDocument::Decode(QByteArray("text\0more", 9)));
        QCOMPARE(PlainTextDocument::Decode(QByteArray()), QString());
    }
};

QTEST_GUILESS_MAIN(TestPlainTextDocument)
#include "tst_PlainTextDocument.moc"
