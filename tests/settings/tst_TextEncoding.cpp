#include "settings/TextEncoding.h"
#include <QTest>

class TestTextEncoding : public QObject {
    Q_OBJECT

private slots:
    void decodesUtf8OrWindows1251_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("ascii") << QByteArray("Hello\r\nworld") << QString("Hello\r\nworld");
        QTest::newRow("utf-8") << QString("Привет, мир.\r\n").toUtf8() << QString("Привет, мир.\r\n");
        QTest::newRow("utf-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF") + QString("Да").toUtf8()
                                                    << QString("Да");
        QTest::newRow("windows-1251") << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2\x85") << QString("Привет…");
        QTest::newRow("1251 ellipsis is no line break") << QByteArray("a\x85" "b") << QString("a…b");
        QTest::newRow("utf-8 cut inside a character") << QByteArray("\xD0\x9F\xD1") << QString("РџС");
        QTest::newRow("overlong utf-8") << QByteArray("\xC0\xAF") << QString("АЇ");
        QTest::newRow("utf-16 surrogate in utf-8") << QByteArray("\xED\xA0\x80") << QString("н\u00A0Ђ");
        QTest::newRow("astral utf-8") << QString("a\U0001F600").toUtf8() << QString("a\U0001F600");
    }
    void decodesUtf8OrWindows1251()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeUtf8Or1251(bytes), text);
    }

    void encodingCutsAtCharacterBoundaries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<QString>("kept");
        QTest::newRow("fits") << QString("ж") << 2 << QString("ж");
        QTest::newRow("two-byte character does not fit") << QString("aж") << 2 << QString("a");
        QTest::newRow("four-byte character") << QString("ab\U0001F600") << 5 << QString("ab");
        QTest::newRow("four-byte character fits") << QString("ab\U0001F600") << 6 << QString("ab\U0001F600");
        QTest::newRow("nothing fits") << QString("ж") << 1 << QString();
        QTest::newRow("zero") << QString("abc") << 0 << QString();
        QTest::newRow("exactly 255") << QString(85, QChar(u'€')) << 255 << QString(85, QChar(u'€'));
        QTest::newRow("one over 255") << "a" + QString(85, QChar(u'€')) << 255 << "a" + QString(84, QChar(u'€'));
    }
    void encodingCutsAtCharacterBoundaries()
    {
        QFETCH(QString, text);
        QFETCH(int, maxBytes);
        QFETCH(QString, kept);
        const QByteArray bytes = EncodeUtf8Within(text, maxBytes);
        QVERIFY(bytes.size() <= maxBytes);
        QCOMPARE(QString::fromUtf8(bytes), kept);
    }
};

QTEST_GUILESS_MAIN(TestTextEncoding)
#include "tst_TextEncoding.moc"
