#include "SpeechTestSupport.h"
#include <QtTest>
#include <memory>

using Clock = MonitorRecorder::Clock;

namespace {

const QString LongEnglish = "This sentence is long enough to be paused in the middle, and then "
                            "it is spoken again from its start, to its very end.";

}  // namespace

class TestSpeechDispatcherSpeech : public QObject {
    Q_OBJECT

    std::unique_ptr<MonitorRecorder> recorder_;
    std::unique_ptr<SpeechEngine> engine_;
    int stops_ = 0;

    void UseVoice(int languageId, const QString &module)
    {
        const int engine = FindVoice(SpeechVoice::Backend::Service, languageId, module);
        QVERIFY2(engine > 0, qPrintable("no service voice from " + module));
        engine_->Select(engine);
    }

private slots:
    void initTestCase()
    {
        recorder_ = std::make_unique<MonitorRecorder>();
        QVERIFY2(recorder_->WaitUntilRecording(), "the null sink's monitor cannot be recorded");
    }

    void init()
    {
        engine_ = std::make_unique<SpeechEngine>();
        stops_ = 0;
        engine_->OnAudioStop = [this](TDirectSS *, quint32, quint32) { ++stops_; };
    }

    void cleanup() { engine_.reset(); }

    void serviceVoicesFollowTheEmbeddedOnes()
    {
        const QList<SpeechVoice> &voices = InstalledVoices();
        const int firstService = FindVoice(SpeechVoice::Backend::Service, 1033);
        QVERIFY2(firstService > 0, "speech-dispatcher offered no English voice");
        for (int i = firstService - 1; i < voices.size(); ++i)
            QCOMPARE(voices[i].backend, SpeechVoice::Backend::Service);
        QVERIFY(FindVoice(SpeechVoice::Backend::Service, 1049, "espeak-ng") > 0);
        const int festivalRussian = FindVoice(SpeechVoice::Backend::Service, 1049, "festival");
        QVERIFY(festivalRussian > 0);
        QCOMPARE(engine_->SpeakerName(festivalRussian), QString("msu_ru_nsh_clunits"));
        for (const SpeechVoice &voice : voices)
            QVERIFY2(!voice.modeName.contains('+'), qPrintable(voice.modeName));
    }

    void speaksOnceToTheEnd_data()
    {
        QTest::addColumn<int>("languageId");
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("text");
        QTest::newRow("espeak-ng English") << 1033 << "espeak-ng" << "That's how I speak English.";
        QTest::newRow("espeak-ng Russian") << 1049 << "espeak-ng" << "Так я говорю по-русски.";
    }

    void speaksOnceToTheEnd()
    {
        QFETCH(int, languageId);
        QFETCH(QString, module);
        QFETCH(QString, text);
        UseVoice(languageId, module);
        const Clock::time_point start = Clock::now();
        engine_->Speak(text);
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 1, 20000);
        RunEvents(800);
        QCOMPARE(stops_, 1);
        const auto sounds = SoundsBetween(*recorder_, start, Clock::now());
        QVERIFY(!sounds.empty());
        QVERIFY(Seconds(sounds.back().end - sounds.front().begin) > 0.8);
    }

    void resetSilencesAndRaisesNoStop()
    {
        UseVoice(1033, "espeak-ng");
        const std::size_t from = recorder_->SampleCount();
        engine_->Speak(LongEnglish);
        QVERIFY(WaitForSound(*recorder_, from));
        engine_->AudioReset();
        const Clock::time_point reset = Clock::now();
        RunEvents(1500);
        QCOMPARE(stops_, 0);
        QVERIFY(SoundsBetween(*recorder_, reset + std::chrono::milliseconds(150), Clock::now()).empty());
    }

    void pauseHoldsAndResumeSpeaksAgain()
    {
        UseVoice(1033, "espeak-ng");
        const std::size_t from = recorder_->SampleCount();
        engine_->Speak(LongEnglish);
        QVERIFY(WaitForSound(*recorder_, from));
        RunEvents(500);
        engine_->AudioPause();
        const Clock::time_point paused = Clock::now();
        RunEvents(1200);
        QCOMPARE(stops_, 0);
        QVERIFY(SoundsBetween(*recorder_, paused + std::chrono::milliseconds(150), Clock::now()).empty());

        const std::size_t resumedAt = recorder_->SampleCount();
        engine_->AudioResume();
        QVERIFY(WaitForSound(*recorder_, resumedAt));
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 1, 20000);
        RunEvents(800);
        QCOMPARE(stops_, 1);
    }

    void resetWhilePausedForgetsTheText()
    {
        UseVoice(1033, "espeak-ng");
        const std::size_t from = recorder_->SampleCount();
        engine_->Speak(LongEnglish);
        QVERIFY(WaitForSound(*recorder_, from));
        engine_->AudioPause();
        engine_->AudioReset();
        const Clock::time_point reset = Clock::now();
        engine_->AudioResume();
        RunEvents(1500);
        QCOMPARE(stops_, 0);
        QVERIFY(SoundsBetween(*recorder_, reset + std::chrono::milliseconds(150), Clock::now()).empty());
    }

    void nextUtteranceFromTheStopHandler()
    {
        UseVoice(1049, "espeak-ng");
        engine_->OnAudioStop = [this](TDirectSS *, quint32, quint32) {
            if (++stops_ < 3)
                engine_->Speak("Дальше.");
        };
        engine_->Speak("Начало.");
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 3, 20000);
        RunEvents(800);
        QCOMPARE(stops_, 3);
    }
};

QTEST_GUILESS_MAIN(TestSpeechDispatcherSpeech)
#include "tst_SpeechDispatcherSpeech.moc"
