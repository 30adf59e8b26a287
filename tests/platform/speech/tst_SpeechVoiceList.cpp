#include "testsupport/TestDocuments.h"
#include "testsupport/EmbeddedSynthesis.h"
#include "testsupport/SilentSpeechService.h"
#include "platform/speech/EspeakPlayer.h"
#include "platform/speech/EspeakSynthesizer.h"
#include "platform/speech/SpeechDispatcherClient.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/speech/SpeechVoice.h"
#include "platform/speech/WindowsLanguageId.h"
#include <QRegularExpression>
#include <QtTest>

namespace {

QStringList Languages(const QList<SpeechVoice> &voices)
{
    QStringList languages;
    for (const SpeechVoice &voice : voices)
        languages << voice.language;
    return languages;
}

// Seconds of sound that the embedded engine makes of a text at this rate.
double SpokenSeconds(EspeakSynthesizer &synthesizer, const QByteArray &voice, const QString &text, int rate)
{
    const EmbeddedSynthesis made = Synthesized(synthesizer, voice, text, rate);
    return made.ok ? double(made.sound.size()) / synthesizer.SampleRate() : 0;
}

// Every Russian vowel letter is a syllable; in English every group of vowel letters is one, but
// for a silent e at a word's end.
int Syllables(const QString &text)
{
    static const QRegularExpression russianVowel("[аеёиоуыэюя]", QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression englishVowels("[aeiouy]+", QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression silentE("[^aeiouyl]e$", QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression nonLetters("[^a-zA-Z]");
    int count = int(text.count(russianVowel));
    for (QString word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
        word.remove(nonLetters);
        const int groups = int(word.count(englishVowels));
        count += groups > 1 && word.contains(silentE) ? groups - 1 : groups;
    }
    return count;
}

const QString MixedText = "mixed_story.utf16le.txt.expected.txt";

QString Passage(bool russian)
{
    static const QRegularExpression cyrillic("[а-яА-Я]");
    QString passage;
    for (const QString &line : QString::fromUtf8(TestDocuments::Bytes(MixedText)).split('\n'))
        if (line.contains(cyrillic) == russian && passage.size() < 3000)
            passage += line + '\n';
    return passage;
}

}  // namespace

class TestSpeechVoiceList : public QObject {
    Q_OBJECT

    EspeakSynthesizer synthesizer_;

private slots:
    void windowsLanguageIds_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("id");
        QTest::newRow("Russian") << "ru" << 1049;
        QTest::newRow("Russian in Latvia") << "ru-LV" << 1049;
        QTest::newRow("American English") << "en-us" << 1033;
        QTest::newRow("case and underscore") << "EN_us" << 1033;
        QTest::newRow("British English") << "en-gb" << 2057;
        QTest::newRow("plain English is British in espeak-ng") << "en" << 2057;
        QTest::newRow("Scottish English") << "en-gb-scotland" << 2057;
        QTest::newRow("Brazilian Portuguese") << "pt-br" << 1046;
        QTest::newRow("Portuguese") << "pt" << 2070;
        QTest::newRow("Ukrainian") << "uk" << 1058;
        QTest::newRow("Esperanto has none") << "eo" << UnspecifiedLanguageId;
        QTest::newRow("empty") << "" << UnspecifiedLanguageId;
    }

    void windowsLanguageIds()
    {
        QFETCH(QString, tag);
        QFETCH(int, id);
        QCOMPARE(WindowsLanguageId(tag), id);
    }

    void embeddedVoicesPutRussianThenEnglishFirst()
    {
        const QList<EspeakVoiceEntry> entries{
            {"German", "gmw/de", "de"},
            {"English (America)", "gmw/en-US", "en-us"},
            {"Russian (Latvia)", "zle/ru-LV", "ru-lv"},
            {"English (Scotland)", "gmw/en-GB-scotland", "en-gb-scotland"},
            {"Afrikaans", "gmw/af", "af"},
            {"English (Great Britain)", "gmw/en", "en-gb"},
            {"Russian", "zle/ru", "ru"},
        };
        const QList<SpeechVoice> voices = EmbeddedVoiceList(entries);
        QCOMPARE(Languages(voices), QStringList({"ru", "ru-lv", "en-us", "en-gb", "en-gb-scotland",
                                                 "af", "de"}));
        QCOMPARE(voices[0].modeName, QString("Russian"));
        QCOMPARE(voices[0].languageId, 1049);
        QCOMPARE(voices[2].languageId, 1033);
        QCOMPARE(voices[3].languageId, 2057);
        QCOMPARE(voices[0].synthesisName, QByteArray("zle/ru"));
        for (const SpeechVoice &voice : voices) {
            QCOMPARE(voice.backend, SpeechVoice::Backend::Embedded);
            // A maker beginning "AT" would get a special speed range from the voice panel.
            QVERIFY(!voice.mfgName.toUpper().startsWith("AT"));
        }
    }

    void serviceVoicesSkipVariantsAndKnowFestivalsRussian()
    {
        const QList<SpeechVoice> festival = ServiceVoiceList(
            "festival", {{"kal_diphone", "en-US", "none"}, {"msu_ru_nsh_clunits", "none", "none"}});
        QCOMPARE(festival.size(), 2);
        QCOMPARE(festival[0].languageId, 1033);
        QCOMPARE(festival[1].languageId, 1049);
        QCOMPARE(festival[1].synthesisName, QByteArray("msu_ru_nsh_clunits"));
        QCOMPARE(festival[1].module, QByteArray("festival"));
        QVERIFY(festival[1].modeName.contains("festival"));
        QCOMPARE(festival[1].backend, SpeechVoice::Backend::Service);

        const QList<SpeechVoice> other = ServiceVoiceList(
            "other", {{"Russian", "ru", "none"}, {"Russian+Alex", "ru", "Alex"},
                      {"Anna", "ru", "female2"}, {"cmu_us_slt_arctic_hts", "none", "none"},
                      {"en_US-lessac-medium", "en", "MALE1"}});
        QCOMPARE(other.size(), 3);
        QCOMPARE(other[0].speakerName, QString("Russian"));
        QCOMPARE(other[1].languageId, UnspecifiedLanguageId);
        QCOMPARE(other[2].speakerName, QString("en_US-lessac-medium"));
    }

    void aServiceThatNeverAnswersHoldsUpNeitherTheStartNorTheExit()
    {
        SilentSpeechService service;
        QVERIFY(service.Listening());
        {
            ServiceVoiceQuery query({});
            QVERIFY(!query.Voices(std::chrono::milliseconds(200)));
        }  // ends the question the service never answers, and joins its thread
    }

    void aServiceThatHangsUpGivesNoVoices()
    {
        SilentSpeechService service;
        QVERIFY(service.Listening());
        ServiceVoiceQuery query({});
        service.HangUpOnTheFirstClient();
        const auto voices = query.Voices(std::chrono::seconds(20));
        QVERIFY(voices);
        QVERIFY(voices->isEmpty());
    }

    // The library's state is global: a second synthesizer would share the first one's voice.
    void aSecondSynthesizerIsRefusedWhileOneLives()
    {
        QVERIFY_THROWS_EXCEPTION(std::logic_error, EspeakSynthesizer());
    }

    void installedEmbeddedVoices()
    {
        QVERIFY2(synthesizer_.Available(), "espeak-ng or its data is missing");
        const QList<SpeechVoice> voices = EmbeddedVoiceList(synthesizer_.Voices());
        QVERIFY(voices.size() > 100);
        QCOMPARE(voices[0].languageId, 1049);
        QVERIFY(Languages(voices).indexOf("en-us") < Languages(voices).indexOf("de"));
        QSet<QByteArray> identifiers;
        for (const SpeechVoice &voice : voices)
            identifiers.insert(voice.synthesisName);
        QCOMPARE(identifiers.size(), voices.size());
    }

    // At the panels' default speed position the embedded voices speak at a natural pace, and its
    // Russian no faster than its English.
    void defaultSpeedIsNaturalAndEvenAcrossLanguages()
    {
        const SpeechEngine::Scale &speed = SpeechEngine::ScalesOf(SpeechVoice::Backend::Embedded).speed;
        const int value = speed.min + (speed.max - speed.min) * 12 / 100;
        const QString english = Passage(false), russian = Passage(true);
        QVERIFY(english.size() > 1000 && russian.size() > 1000);

        const double englishSeconds =
            SpokenSeconds(synthesizer_, "gmw/en-US", english, EspeakPlayer::EspeakRate(value, "en-us"));
        const double russianSeconds =
            SpokenSeconds(synthesizer_, "zle/ru", russian, EspeakPlayer::EspeakRate(value, "ru"));
        QVERIFY(englishSeconds > 0 && russianSeconds > 0);

        const double wordsPerMinute = english.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size()
                                      / englishSeconds * 60;
        QVERIFY2(wordsPerMinute >= 170 && wordsPerMinute <= 190, qPrintable(QString::number(wordsPerMinute)));
        const double ratio = (Syllables(russian) / russianSeconds) / (Syllables(english) / englishSeconds);
        // Left alone, its Russian runs about 7 % faster than its English.
        QVERIFY2(ratio > 0.96 && ratio < 1.04, qPrintable(QString::number(ratio)));
    }
};

QTEST_GUILESS_MAIN(TestSpeechVoiceList)
#include "tst_SpeechVoiceList.moc"
