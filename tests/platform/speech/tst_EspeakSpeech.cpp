#include "SpeechTestSupport.h"
#include "platform/speech/AudioOutput.h"
#include <QtTest>
#include <cmath>
#include <memory>

using Clock = MonitorRecorder::Clock;

namespace {

const QString LongEnglish = "This sentence is long enough to be paused in the middle, and then it "
                            "goes on speaking from the very word where it was held, to its end.";

// A loud sine, as the synthesis would deliver it.
std::vector<short> Tone(int samples, int rate)
{
    std::vector<short> tone(static_cast<std::size_t>(samples));
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = short(8000 * std::sin(2 * M_PI * 440 * double(i) / rate));
    return tone;
}

}  // namespace

class TestEspeakSpeech : public QObject {
    Q_OBJECT

    SpeechSystem speech_;
    std::unique_ptr<MonitorRecorder> recorder_;
    std::unique_ptr<SpeechEngine> engine_;
    int stops_ = 0;
    Clock::time_point lastStop_;

    void UseVoice(int languageId)
    {
        const int engine = FindVoice(speech_.Voices(), SpeechVoice::Backend::Embedded, languageId);
        QVERIFY2(engine > 0, "no embedded voice of this language");
        engine_->Select(engine);
    }

private slots:
    void initTestCase()
    {
        recorder_ = std::make_unique<MonitorRecorder>();
        QVERIFY2(recorder_->WaitUntilRecording(), "the null sink's monitor cannot be recorded");
        QVERIFY(speech_.Available());
    }

    void init()
    {
        engine_ = speech_.NewEngine();
        stops_ = 0;
        engine_->OnAudioStop = [this](TDirectSS *sender, quint32, quint32) {
            QCOMPARE(sender, engine_.get());
            ++stops_;
            lastStop_ = Clock::now();
        };
    }

    void cleanup() { engine_.reset(); }

    void voiceListStartsWithRussianAndEnglish()
    {
        QVERIFY(engine_->EngineCount() > 100);
        QCOMPARE(engine_->LanguageId(1), 1049);
        QCOMPARE(engine_->ModeName(1), QString("Russian"));
        QVERIFY(FindVoice(speech_.Voices(), SpeechVoice::Backend::Embedded, 1033) > 1);
        QVERIFY(FindVoice(speech_.Voices(), SpeechVoice::Backend::Embedded, 2057) > 1);
        QVERIFY(FindVoice(speech_.Voices(), SpeechVoice::Backend::Embedded, 1033)
                < FindVoice(speech_.Voices(), SpeechVoice::Backend::Embedded, 1031));
        const std::unique_ptr<SpeechEngine> second = speech_.NewEngine();
        QCOMPARE(second->EngineCount(), engine_->EngineCount());
        QCOMPARE(second->ModeName(engine_->EngineCount()), engine_->ModeName(engine_->EngineCount()));
        QVERIFY_THROWS_EXCEPTION(SpeechError, engine_->Select(engine_->EngineCount() + 1));
        QVERIFY_THROWS_EXCEPTION(SpeechError, engine_->ModeName(0));
    }

    void speaksOnceToTheEnd_data()
    {
        QTest::addColumn<int>("languageId");
        QTest::addColumn<QString>("text");
        QTest::newRow("Russian") << 1049 << "Привет! Так я говорю по-русски, медленно и ясно.";
        QTest::newRow("English") << 1033 << "That's how I speak English, slowly and clearly.";
    }

    void speaksOnceToTheEnd()
    {
        QFETCH(int, languageId);
        QFETCH(QString, text);
        UseVoice(languageId);
        const Clock::time_point start = Clock::now();
        engine_->Speak(text);
        QCOMPARE(stops_, 0);  // the stop comes later, as an event
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 1, 20000);
        RunEvents(600);
        QCOMPARE(stops_, 1);

        const auto sounds = SoundsBetween(*recorder_, start, Clock::now());
        QVERIFY(!sounds.empty());
        QVERIFY2(Seconds(sounds.back().end - sounds.front().begin) > 1.5, "too little was played");
        // Nothing is played after the stop was reported.
        QVERIFY(SoundsBetween(*recorder_, lastStop_ + std::chrono::milliseconds(30), Clock::now()).empty());
    }

    void resetSilencesAndRaisesNoStop()
    {
        UseVoice(1033);
        const std::size_t from = recorder_->SampleCount();
        engine_->Speak(LongEnglish);
        QVERIFY(WaitForSound(*recorder_, from));
        engine_->AudioReset();
        const Clock::time_point reset = Clock::now();
        RunEvents(1500);
        QCOMPARE(stops_, 0);
        QVERIFY(SoundsBetween(*recorder_, reset + std::chrono::milliseconds(100), Clock::now()).empty());

        engine_->Speak("Again.");
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 1, 10000);
    }

    void pauseHoldsAndResumeGoesOnFromThere()
    {
        UseVoice(1033);
        const double whole = PlainDuration(*recorder_, *engine_, stops_, LongEnglish);
        QVERIFY(whole > 3);
        stops_ = 0;

        const Clock::time_point start = Clock::now();
        engine_->Speak(LongEnglish);
        QVERIFY(WaitForSound(*recorder_, recorder_->SampleAt(start)));
        RunEvents(1000);
        engine_->AudioPause();
        const Clock::time_point paused = Clock::now();
        RunEvents(1500);
        QVERIFY(SoundsBetween(*recorder_, paused + std::chrono::milliseconds(100), Clock::now()).empty());
        QCOMPARE(stops_, 0);
        const Clock::time_point resumed = Clock::now();
        engine_->AudioResume();
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 1, 20000);
        RunEvents(300);

        const auto sounds = SoundsBetween(*recorder_, start, Clock::now());
        QVERIFY(!sounds.empty());
        const double held = std::chrono::duration<double>(resumed - paused).count();
        const double played = Seconds(sounds.back().end - sounds.front().begin) - held;
        // Restarting the sentence would add the second that was already spoken.
        QVERIFY2(std::abs(played - whole) < 0.3,
                 qPrintable(QString("%1 s played, %2 s whole").arg(played).arg(whole)));
    }

    void wordsComeInTextOrderWithTheirSound_data()
    {
        QTest::addColumn<int>("languageId");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("English") << 1033 << QStringList{"Red", "green", "blue", "yellow", "black", "white"};
        QTest::newRow("Russian") << 1049 << QStringList{"Красный", "зелёный", "синий", "жёлтый", "белый"};
    }

    // Words are synthesised long before they are heard: each is told as its sound is played.
    void wordsComeInTextOrderWithTheirSound()
    {
        QFETCH(int, languageId);
        QFETCH(QStringList, words);
        UseVoice(languageId);
        const QString text = "«" + words.join(", ") + "».";
        const QString wrong = WordsOffTheirSound(*recorder_, *engine_, stops_, text, words);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    void aPausedWordWaitsForTheResume()
    {
        UseVoice(1033);
        const QString text = "One, two, three, four.";
        QList<HeardWord> heard;
        ListenForWords(*engine_, text, heard);
        engine_->Speak(text);
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 2, 10000);
        engine_->AudioPause();
        RunEvents(1500);
        QCOMPARE(heard.size(), 2);
        engine_->AudioResume();
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 1, 10000);
        QCOMPARE(heard.size(), 4);
        const Clock::time_point resumed = heard[1].at + std::chrono::milliseconds(1500);
        QVERIFY(heard[2].at > resumed);
    }

    // A stream that ran dry plays again only once its buffer is full: a short last piece of
    // sound, arriving after the synthesis fell behind, must still be heard and end the utterance.
    void aShortTailAfterTheSoundRanDryIsPlayed()
    {
        const int rate = MonitorRecorder::Rate;
        const std::vector<short> tone = Tone(rate / 4, rate);
        const std::vector<short> tail = Tone(rate / 100, rate);
        auto *output = new AudioOutput(rate);
        bool drained = false;
        connect(output, &AudioOutput::Drained, this, [&] { drained = true; });
        output->Begin(1);
        output->Append(1, tone.data(), int(tone.size()));
        RunEvents(600);
        const std::size_t tailFrom = recorder_->SampleCount();
        output->Append(1, tail.data(), int(tail.size()));
        output->Finish(1);
        QTRY_VERIFY_WITH_TIMEOUT(drained, 3000);
        QVERIFY(WaitForSound(*recorder_, tailFrom, 3000));
        output->Dispose();
    }

    void everyUtteranceStopsOnce()
    {
        UseVoice(1049);
        QStringList spoken;
        const QStringList texts{"Первое.", "Второе.", "Третье."};
        engine_->OnAudioStop = [&](TDirectSS *, quint32, quint32) {
            ++stops_;
            if (stops_ < texts.size()) {
                spoken << texts[stops_];
                engine_->Speak(texts[stops_]);
            }
        };
        spoken << texts[0];
        engine_->Speak(texts[0]);
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 3, 20000);

        engine_->Speak("Один.");
        engine_->Speak("Два.");
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 5, 20000);
        RunEvents(500);
        QCOMPARE(stops_, 5);
        QCOMPARE(spoken, texts);
    }

    void textWithNothingToSayStillEnds()
    {
        engine_->Speak("   ");
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 1, 5000);
        engine_->Speak("");
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 2, 5000);
    }

    void volumeAndRanges()
    {
        UseVoice(1033);
        QVERIFY(engine_->MinSpeed() < engine_->MaxSpeed());
        QVERIFY(engine_->MinPitch() < engine_->MaxPitch());
        engine_->SetSpeed(engine_->MaxSpeed() + 1000);
        QCOMPARE(engine_->Speed(), engine_->MaxSpeed());

        engine_->SetVolumeLeft(engine_->MinVolumeLeft());
        const Clock::time_point start = Clock::now();
        engine_->Speak("Nobody hears this.");
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 1, 10000);
        RunEvents(100);
        QVERIFY(SoundsBetween(*recorder_, start, Clock::now()).empty());
    }
};

QTEST_GUILESS_MAIN(TestEspeakSpeech)
#include "tst_EspeakSpeech.moc"
