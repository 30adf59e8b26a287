#include "SpeechTestSupport.h"
#include <QtTest>
#include <memory>

using Clock = MonitorRecorder::Clock;

namespace {

const QString LongEnglish = "This sentence is long enough to be paused in the middle, and then "
                            "it goes on from the word where it was held, to its very end.";
const QStringList Colours{"Red", "green", "blue", "yellow", "black", "white"};
const QStringList ThreeSentences{"This is the first sentence.", "Here comes another one.",
                                 "And the reading ends."};

}  // namespace

class TestSpeechDispatcherSpeech : public QObject {
    Q_OBJECT

    SpeechSystem speech_;
    std::unique_ptr<MonitorRecorder> recorder_;
    std::unique_ptr<SpeechEngine> engine_;
    int stops_ = 0;

    // Whether the service has a voice of that language from that module.
    bool UseVoice(int languageId, const QString &module)
    {
        const int engine = FindVoice(speech_.Voices(), SpeechVoice::Backend::Service, languageId, module);
        if (engine > 0)
            engine_->Select(engine);
        return engine > 0;
    }

    // Speaks text, pauses it after pauseAfterMs of sound, resumes after a while and lets it end:
    // how long it sounded before the pause and after the resume, in seconds.
    std::pair<double, double> PausedAndResumed(const QString &text, int pauseAfterMs)
    {
        const Clock::time_point start = Clock::now();
        engine_->Speak(text);
        if (!WaitForSound(*recorder_, recorder_->SampleAt(start)))
            return {};
        RunEvents(pauseAfterMs);
        engine_->AudioPause();
        const Clock::time_point paused = Clock::now();
        RunEvents(1200);
        const auto held = SoundsBetween(*recorder_, paused + std::chrono::milliseconds(150), Clock::now());
        if (stops_ != 0 || !held.empty())
            return {};
        const Clock::time_point resumed = Clock::now();
        engine_->AudioResume();
        if (!QTest::qWaitFor([&] { return stops_ == 1; }, 20000))
            return {};
        RunEvents(800);
        const auto before = SoundsBetween(*recorder_, start, paused + std::chrono::milliseconds(150));
        const auto after = SoundsBetween(*recorder_, resumed, Clock::now());
        if (before.empty() || after.empty())
            return {};
        return {Seconds(before.back().end - before.front().begin),
                Seconds(after.back().end - after.front().begin)};
    }

    // Reads three sentences, each spoken from the stop handler of the one before: whether each
    // was heard between the end of the one before and its own end.
    bool ThreeSentencesHeardInTurn(int engine)
    {
        engine_->Select(engine);
        QList<Clock::time_point> ends{Clock::now()};
        stops_ = 0;
        engine_->OnAudioStop = [&](TDirectSS *, quint32, quint32) {
            ends.append(Clock::now());
            if (++stops_ < ThreeSentences.size())
                engine_->Speak(ThreeSentences[stops_]);
        };
        engine_->Speak(ThreeSentences[0]);
        const bool ended = QTest::qWaitFor([&] { return stops_ == ThreeSentences.size(); }, 30000);
        engine_->OnAudioStop = [this](TDirectSS *, quint32, quint32) { ++stops_; };
        if (!ended)
            return false;
        RunEvents(300);
        for (qsizetype i = 1; i < ends.size(); ++i)
            if (SoundsBetween(*recorder_, ends[i - 1], ends[i]).empty())
                return false;
        return true;
    }

private slots:
    void initTestCase()
    {
        recorder_ = std::make_unique<MonitorRecorder>();
        QVERIFY2(recorder_->WaitUntilRecording(), "the null sink's monitor cannot be recorded");
    }

    void init()
    {
        engine_ = speech_.NewEngine();
        stops_ = 0;
        engine_->OnAudioStop = [this](TDirectSS *, quint32, quint32) { ++stops_; };
    }

    void cleanup() { engine_.reset(); }

    void serviceVoicesFollowTheEmbeddedOnes()
    {
        const QList<SpeechVoice> &voices = speech_.Voices();
        const int firstService = FindVoice(speech_.Voices(), SpeechVoice::Backend::Service, 1033);
        QVERIFY2(firstService > 0, "speech-dispatcher offered no English voice");
        for (int i = firstService - 1; i < voices.size(); ++i)
            QCOMPARE(voices[i].backend, SpeechVoice::Backend::Service);
        QVERIFY(FindVoice(speech_.Voices(), SpeechVoice::Backend::Service, 1049, "espeak-ng") > 0);
        const int tone = FindVoice(speech_.Voices(), SpeechVoice::Backend::Service, 2057, "tones-generic");
        QVERIFY2(tone > 0, "the voices of a second module are missing");
        QVERIFY(!engine_->SpeakerName(tone).isEmpty());
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
        QVERIFY(UseVoice(languageId, module));
        const Clock::time_point start = Clock::now();
        engine_->Speak(text);
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 1, 20000);
        RunEvents(800);
        QCOMPARE(stops_, 1);
        const auto sounds = SoundsBetween(*recorder_, start, Clock::now());
        QVERIFY(!sounds.empty());
        QVERIFY(Seconds(sounds.back().end - sounds.front().begin) > 0.8);
    }

    void sentencesFollowEachOtherFromTheStopHandler()
    {
        const int embedded = FindVoice(speech_.Voices(), SpeechVoice::Backend::Embedded, 1033);
        const int service = FindVoice(speech_.Voices(), SpeechVoice::Backend::Service, 1033, "espeak-ng");
        QVERIFY(embedded > 0 && service > 0);
        QVERIFY(ThreeSentencesHeardInTurn(embedded));
        QVERIFY(ThreeSentencesHeardInTurn(service));
    }

    void resetSilencesAndRaisesNoStop()
    {
        QVERIFY(UseVoice(1033, "espeak-ng"));
        const std::size_t from = recorder_->SampleCount();
        engine_->Speak(LongEnglish);
        QVERIFY(WaitForSound(*recorder_, from));
        engine_->AudioReset();
        const Clock::time_point reset = Clock::now();
        RunEvents(1500);
        QCOMPARE(stops_, 0);
        QVERIFY(SoundsBetween(*recorder_, reset + std::chrono::milliseconds(150), Clock::now()).empty());
    }

    void pauseHoldsAndResumeGoesOnFromTheWordReached()
    {
        QVERIFY(UseVoice(1033, "espeak-ng"));
        const double whole = PlainDuration(*recorder_, *engine_, stops_, LongEnglish);
        QVERIFY(whole > 3);
        stops_ = 0;
        const auto [before, after] = PausedAndResumed(LongEnglish, 1500);
        QVERIFY2(after > 0, "the pause did not hold or the resume did not end");
        QCOMPARE(stops_, 1);
        // Gone on, not begun again: a new start would sound the whole text after the resume.
        QVERIFY2(before > 0.5 && after < whole - 0.3,
                 qPrintable(QString("%1 s before the pause, %2 s after the resume, %3 s whole").arg(before).arg(after).arg(whole)));
        // What was heard twice is the word under way at the pause, and on a busy machine the words
        // before it whose marks the service had not told yet.
        const double repeated = before + after - whole;
        QVERIFY2(repeated < 1.2, qPrintable(QString("%1 s heard twice").arg(repeated)));
    }

    void aModuleWithoutMarksEndsWithItsEndAndResumesFromTheStart()
    {
        QVERIFY(UseVoice(2057, "tones-generic"));
        QList<HeardWord> heard;
        ListenForWords(*engine_, LongEnglish, heard);
        const double whole = PlainDuration(*recorder_, *engine_, stops_, LongEnglish);
        QCOMPARE(stops_, 1);
        QVERIFY(whole > 0);
        stops_ = 0;
        const auto [before, after] = PausedAndResumed(LongEnglish, 700);
        QVERIFY2(after > 0, "the pause did not hold or the resume did not end");
        QCOMPARE(stops_, 1);
        // From the start again: more is heard after the resume than was left at the pause.
        QVERIFY2(before < whole && after > whole - before / 2,
                 qPrintable(QString("%1 s before the pause, %2 s after the resume, %3 s whole")
                                .arg(before).arg(after).arg(whole)));
        QVERIFY(heard.isEmpty());
    }

    void wordsComeInTextOrderWithTheirSound()
    {
        QVERIFY(UseVoice(1033, "espeak-ng"));
        const QString text = Colours.join(", ") + '.';
        const QString wrong = WordsOffTheirSound(*recorder_, *engine_, stops_, text, Colours);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // The service reports the end of a sentence only after the voice's silence behind it: the
    // end is told when the sound ends, not cutting off its last sound.
    void theEndIsToldWhenTheSoundEnds()
    {
        QVERIFY(UseVoice(1049, "espeak-ng"));
        Clock::time_point stopped;
        engine_->OnAudioStop = [&](TDirectSS *, quint32, quint32) {
            ++stops_;
            stopped = Clock::now();
        };
        const Clock::time_point start = Clock::now();
        engine_->Speak("Так я говорю по-русски. ");
        QTRY_COMPARE_WITH_TIMEOUT(stops_, 1, 20000);
        RunEvents(800);
        QCOMPARE(stops_, 1);
        const auto sounds = SoundsBetween(*recorder_, start, Clock::now());
        QVERIFY(!sounds.empty());
        QVERIFY2(stopped > recorder_->TimeOf(sounds.back().begin), "told before the last sound");
    }

    void resetWhilePausedForgetsTheText()
    {
        QVERIFY(UseVoice(1033, "espeak-ng"));
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
        QVERIFY(UseVoice(1049, "espeak-ng"));
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
