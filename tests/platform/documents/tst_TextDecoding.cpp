#include "platform/documents/TextDecoding.h"
#include <QStringEncoder>
#include <QTest>

namespace {

// Russian samples from 20 to 200 bytes in a single-byte code page, all capitals and ё included.
const char16_t *const kRussianSamples[] = {
    u"Мороз и солнце; день чудесный!",
    u"АНТОН ЧЕХОВ. СМЕРТЬ ЧИНОВНИКА",
    u"Ёлка, ёж и щётка стоят в углу.",
    u"Съешь же ещё этих мягких французских булок, да выпей чаю.",
    u"В одной из отдаленных улиц Москвы, в сером доме с белыми колоннами, антресолью и покривившимся "
    u"балконом, жила некогда барыня, вдова, окруженная многочисленною дворней.",
    u"— Кто там? — спросил он. — Отворяй, Иван Евсеич!",
};

QByteArray Encoded(const char *encoding, const QString &text)
{
    QStringEncoder encoder(encoding);
    return encoder.encode(text);
}

}  // namespace

class TestTextDecoding : public QObject {
    Q_OBJECT

private slots:
    void decodesEachEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        for (const char *codePage : {"windows-1251", "KOI8-R", "IBM866"}) {
            for (const char16_t *sample : kRussianSamples) {
                const QString text = QString::fromUtf16(sample);
                const QByteArray bytes = Encoded(codePage, text);
                if (QString(QStringDecoder(codePage).decode(bytes)) != text)
                    continue;  // the code page has no such character (KOI8-R and IBM866 lack «—»)
                QTest::addRow("%s, %d bytes: %s", codePage, int(bytes.size()), qPrintable(text.left(20)))
                    << bytes << text;
            }
        }
        const QString mixed = QStringLiteral("Привет, мир. Hello — «ёлка»…");
        QTest::newRow("utf-8") << mixed.toUtf8() << mixed;
        QTest::newRow("utf-8 with its mark") << "\xEF\xBB\xBF" + mixed.toUtf8() << mixed;
        QTest::newRow("utf-16 le with its mark") << "\xFF\xFE" + Encoded("UTF-16LE", mixed) << mixed;
        QTest::newRow("utf-16 be with its mark") << "\xFE\xFF" + Encoded("UTF-16BE", mixed) << mixed;
        QTest::newRow("windows-1251 ellipsis is no line break")
            << QByteArray("\xC4\xE0\x85 \xED\xE5\xF2") << QStringLiteral("Да… нет");
        QTest::newRow("german in windows-1252")
            << Encoded("windows-1252", QStringLiteral("Grüße aus München, schöne Größe"))
            << QStringLiteral("Grüße aus München, schöne Größe");
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void decodesEachEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeText(bytes), text);
    }

    void binaryDataIsNoText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("text");
        QTest::newRow("a NUL byte") << QByteArray("plain\0text", 10) << false;
        QTest::newRow("control bytes") << QByteArray("\x01\x02\x03\x04\x05 words") << false;
        QTest::newRow("utf-16 with its mark") << QByteArray("\xFF\xFE" "a\0b\0", 6) << true;
        QTest::newRow("tabs, form feeds and an end-of-file mark")
            << QByteArray("a\tb\fc\r\n" + QByteArray(200, 'x') + "\x1A") << true;
        QTest::newRow("empty") << QByteArray() << true;
    }
    void binaryDataIsNoText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, text);
        QCOMPARE(LooksLikeText(bytes), text);
        QCOMPARE(PlainText(bytes).has_value(), text);
    }

    void plainTextHasLfLineEnds()
    {
        QCOMPARE(PlainText("one\r\ntwo\rthree\n"), QStringLiteral("one\ntwo\nthree\n"));
    }
};

QTEST_GUILESS_MAIN(TestTextDecoding)
#include "tst_TextDecoding.moc"
