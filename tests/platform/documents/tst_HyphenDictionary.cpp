// A hyphen at a line end judged by a small dictionary written for the test, and without one.
#include "platform/documents/HyphenDictionary.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestHyphenDictionary : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString affixes, words;

private slots:
    void initTestCase()
    {
        affixes = folder.filePath(QStringLiteral("ru.aff"));
        words = folder.filePath(QStringLiteral("ru.dic"));
        QFile affixFile(affixes), wordFile(words);
        QVERIFY(affixFile.open(QIODevice::WriteOnly) && wordFile.open(QIODevice::WriteOnly));
        affixFile.write("SET UTF-8\n");
        wordFile.write(QStringLiteral("2\nчемодан\nпо-английски\n").toUtf8());
    }

    void judgesByTheDictionary_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("tail");
        QTest::addColumn<bool>("keeps");
        QTest::newRow("the joined word known") << "чемо" << "дан" << false;
        QTest::newRow("the hyphenated form known") << "по" << "английски" << true;
        QTest::newRow("capitalised at a sentence's start") << "По" << "английски" << true;
        QTest::newRow("neither known: joined") << "ка" << "кой-то" << false;
    }
    void judgesByTheDictionary()
    {
        QFETCH(QString, head);
        QFETCH(QString, tail);
        QFETCH(bool, keeps);
        const HyphenDictionary dictionary({{QStringLiteral("/no/such.aff"), QStringLiteral("/no/such.dic")}, {affixes, words}});
        QCOMPARE(dictionary.KeepsHyphen(head, tail), keeps);
    }

    void withoutDictionariesOnlyAParticleKeepsIt()
    {
        const HyphenDictionary none({{QStringLiteral("/no/such.aff"), QStringLiteral("/no/such.dic")}});
        QVERIFY(none.KeepsHyphen(u"кто", u"нибудь"));
        QVERIFY(!none.KeepsHyphen(u"по", u"английски"));
    }
};

QTEST_GUILESS_MAIN(TestHyphenDictionary)
#include "tst_HyphenDictionary.moc"
