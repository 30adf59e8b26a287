#include "platform/speech/EspeakSynthesizer.h"
#include <QSemaphore>
#include <QTest>

namespace {

// The words the embedded engine tells for a text, as the pieces of the text they cover.
QStringList WordsTold(EspeakSynthesizer &synthesizer, const QByteArray &voice, const QString &text,
                      std::vector<short> *sound = nullptr)
{
    QStringList words;
    QSemaphore finished;
    EspeakSynthesizer::Job job;
    job.voice = voice;
    job.text = text;
    job.cancelled = std::make_shared<std::atomic_bool>(false);
    job.samples = [sound](const short *samples, int count) {
        if (sound)
            sound->insert(sound->end(), samples, samples + count);
    };
    job.word = [&](qint64, int position, int length) { words << text.mid(position, length); };
    job.finished = [&](bool) { finished.release(); };
    synthesizer.Synthesize(std::move(job));
    finished.acquire();
    return words;
}

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
        const QStringList told = WordsTold(synthesizer_, voice, text);
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
        std::vector<short> marked, plain;
        const QString text = QStringLiteral("Пот+ом ушёл.");
        QCOMPARE(WordsTold(synthesizer_, voice, text, &marked), (QStringList{QStringLiteral("Пот+ом"), QStringLiteral("ушёл")}));
        WordsTold(synthesizer_, voice, QStringLiteral("Потом ушёл."), &plain);
        QVERIFY(!marked.empty());
        QVERIFY(marked != plain);
    }
};

QTEST_GUILESS_MAIN(TestEspeakWords)
#include "tst_EspeakWords.moc"
