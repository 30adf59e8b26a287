#include "testsupport/EmbeddedSynthesis.h"
#include <QTest>

namespace {

QByteArray VoiceOf(const EspeakSynthesizer &synthesizer, const QString &language)
{
    for (const auto &voice : synthesizer.Voices())
        if (voice.language == language)
            return voice.identifier;
    return {};
}

} // namespace

// A number is read as several words; each of them marks the whole number.
class TestEspeakWords : public QObject {
    Q_OBJECT

    EspeakSynthesizer synthesizer_;

private slots:
    void initTestCase()
    {
        if (!synthesizer_.Available())
            QSKIP("the embedded engine's data is not installed");
    }

    void aNumberReadInPartsIsTheWholeNumber_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::newRow("a year") << "ru" << "В 1987 г." << "1987";
        QTest::newRow("in English") << "en-us" << "In 1987 it was." << "1987";
    }

    void aNumberReadInPartsIsTheWholeNumber()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QString, number);
        const QByteArray voice = VoiceOf(synthesizer_, language);
        if (voice.isEmpty())
            QSKIP("no voice of the language");
        const QStringList told = Synthesized(synthesizer_, voice, text).words;
        QVERIFY2(told.count(number) > 1, qPrintable(told.join('|')));
        for (const QString &word : told)
            QVERIFY2(text.split(' ').contains(word) || text.contains(word + '.'), qPrintable(told.join('|')));
    }

    // A stress mark is heard as the stress, not read aloud, and the word keeps its place.
    void aStressMarkMovesTheStress()
    {
        const QByteArray voice = VoiceOf(synthesizer_, "ru");
        if (voice.isEmpty())
            QSKIP("no Russian voice");
        const EmbeddedSynthesis marked = Synthesized(synthesizer_, voice, QStringLiteral("Пот+ом ушёл."));
        QCOMPARE(marked.words, (QStringList{QStringLiteral("Пот+ом"), QStringLiteral("ушёл")}));
        QVERIFY(!marked.sound.empty());
        QVERIFY(marked.sound != Synthesized(synthesizer_, voice, QStringLiteral("Потом ушёл.")).sound);
    }

    // The dictionary shows the voice's own reading: letters of the phonetic alphabet with one stress.
    void theTranscriptionIsTheVoicesReading()
    {
        const QByteArray voice = VoiceOf(synthesizer_, "ru");
        if (voice.isEmpty())
            QSKIP("no Russian voice");
        const QString phonemes = synthesizer_.Transcription(voice, QStringLiteral("потом"));
        QVERIFY2(phonemes.startsWith(u'p') && phonemes.count(QChar(0x2c8)) == 1 && !phonemes.contains(u'\''),
                 qPrintable(phonemes));
        QCOMPARE(synthesizer_.Transcription("no-such-voice", QStringLiteral("потом")), QString());
    }
};

QTEST_GUILESS_MAIN(TestEspeakWords)
#include "tst_EspeakWords.moc"
