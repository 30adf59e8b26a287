#include "workspace/PlainTextDocument.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPlainTextDocument : public QObject {
    Q_OBJECT

    static QString Expected(const QString &name)
    {
        QFile file(QString(LEKTAVO_CORPUS) + '/' + name + ".expected.txt");
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

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
        const auto text = PlainTextDocument::Read(QString(LEKTAVO_CORPUS) + '/' + name);
        QVERIFY(text);
        QCOMPARE(Normalised(*text), Normalised(Expected(name)));
    }

    void binaryAndMissingFilesAreRefused()
    {
        QVERIFY(!PlainTextDocument::Read(QString(LEKTAVO_CORPUS) + "/en_fixture_word97_raw_text.doc"));
        QVERIFY(!PlainTextDocument::Read(QString(LEKTAVO_CORPUS) + "/no_such_file.txt"));
        QVERIFY(!PlainTextDocument::Read(QDir::tempPath()));
        QVERIFY(!PlainTextDocument::Decode(QByteArray("text\0more", 9)));
        QCOMPARE(PlainTextDocument::Decode(QByteArray()), QString());
    }
};

QTEST_GUILESS_MAIN(TestPlainTextDocument)
#include "tst_PlainTextDocument.moc"
