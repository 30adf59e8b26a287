#include "platform/speech/MarkedText.h"
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The text between the marks of an SSML document, each mark written as [name].
QString Readable(const QByteArray &ssml)
{
    QXmlStreamReader reader(ssml);
    QString readable;
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        if (reader.isCharacters())
            readable += reader.text();
        else if (reader.isStartElement() && reader.name() == u"mark")
            readable += '[' + reader.attributes().value("name").toString() + ']';
    }
    return reader.hasError() ? "error: " + reader.errorString() : readable;
}

}  // namespace

class TestMarkedText : public QObject {
    Q_OBJECT

private slots:
    void marksBeforeEachWordAndBehindTheLastSound_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("readable");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("sentence with its blank") << "Red, green. " << 0 << "[w0]Red, [w1]green.[end]"
                                                 << QStringList{"Red", "green"};
        QTest::newRow("line break behind") << "Так я говорю.\r\n" << 0 << "[w0]Так [w1]я [w2]говорю.[end]"
                                           << QStringList{"Так", "я", "говорю"};
        QTest::newRow("punctuation around") << "«Да», — сказал (он)." << 0
                                            << "[w0]«Да», — [w1]сказал [w2](он).[end]"
                                            << QStringList{"Да", "сказал", "он"};
        QTest::newRow("from the third word") << "One two three four." << 2 << "[w2]three [w3]four.[end]"
                                             << QStringList{"One", "two", "three", "four"};
        QTest::newRow("hyphenated and numbers") << "по-русски 25 раз" << 0 << "[w0]по-русски [w1]25 [w2]раз[end]"
                                                << QStringList{"по-русски", "25", "раз"};
        QTest::newRow("no word at all") << "... — !" << 0 << "... — ![end]" << QStringList{};
        QTest::newRow("markup characters") << "a<b & c>d" << 0 << "[w0]a<b & [w1]c>d[end]"
                                           << QStringList{"a<b", "c>d"};
    }

    void marksBeforeEachWordAndBehindTheLastSound()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(QString, readable);
        QFETCH(QStringList, words);
        const MarkedText marked(text);
        QCOMPARE(Readable(marked.Ssml(from)), readable);
        QStringList found;
        for (const MarkedText::Word &word : marked.Words())
            found << text.mid(word.position, word.length);
        QCOMPARE(found, words);
    }

    void charactersXmlRefusesAreSpokenAsBlanks()
    {
        const QString text = QString("one") + QChar(1) + "two" + QChar(0xD800) + "three" + QChar(0xFFFF);
        QCOMPARE(Readable(MarkedText(text).Ssml()), "[w0]one [w1]two three [end]");
    }

    void marksNamesLeadBackToTheirWords()
    {
        const MarkedText marked("One two three.");
        QCOMPARE(marked.WordOfMark("w2"), std::optional<int>(2));
        QCOMPARE(marked.WordOfMark("w3"), std::nullopt);
        QCOMPARE(marked.WordOfMark("end"), std::nullopt);
        QCOMPARE(marked.WordOfMark("wx"), std::nullopt);
        QVERIFY(MarkedText::IsEndMark("end"));
        QVERIFY(!MarkedText::IsEndMark("w0"));
    }
};

QTEST_GUILESS_MAIN(TestMarkedText)
#include "tst_MarkedText.moc"
