#include "app/TLektavo.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/speech/SpeechTestSupport.h"
#include "testsupport/Named.h"
#include "testsupport/ObservedEngine.h"
#include <QComboBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The main window's first run with the embedded engine alone: each voice panel has a voice of its
// language chosen, and its test button is heard on the null sink.
class TestVoicesAtStart : public QObject {
    Q_OBJECT

    SpeechSystem speech;
    int foreignEnds = 0, russianEnds = 0;

    VoiceEngines HeardEngines()
    {
        return {std::make_unique<ObservedEngine>(speech.NewEngine(), [this] { ++foreignEnds; }),
                std::make_unique<ObservedEngine>(speech.NewEngine(), [this] { ++russianEnds; }),
                speech.NewRenderer()};
    }

    const SpeechVoice &ChosenVoice(const VoicePanel &panel)
    {
        return speech.Voices().at(panel.Number() - 1);
    }

    static QString Shown(TLektavo &window, const char *sound)
    {
        return Named<QComboBox>(*Named<QWidget>(window, sound), "CbMainCopy")->currentText();
    }

    static bool SpeaksToTheEnd(TLektavo &window, const char *sound, const int &ends, const MonitorRecorder &recorder)
    {
        const int before = ends;
        const std::size_t from = recorder.SampleCount();
        QTest::mouseClick(Named<QToolButton>(*Named<QWidget>(window, sound), "BitBtn2"), Qt::LeftButton);
        return WaitForSound(recorder, from) && QTest::qWaitFor([&] { return ends == before + 1; }, 20000);
    }

private slots:
    void initTestCase()
    {
        qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/lektavo-speechd.sock");
    }

    void firstRunChoosesAndSpeaksAVoiceOfEachLanguage()
    {
        QTemporaryDir folder;
        TLektavo window({}, folder.path() + '/', HeardEngines());
        for (const SpeechVoice &voice : speech.Voices())
            QCOMPARE(voice.backend, SpeechVoice::Backend::Embedded);

        QVERIFY(window.ForeignVoice().Number() > 0);
        QVERIFY(window.RussianVoice().Number() > 0);
        QCOMPARE(ChosenVoice(window.ForeignVoice()).languageId & 0x3FF, 0x09);
        QCOMPARE(ChosenVoice(window.RussianVoice()).languageId, 1049);
        QCOMPARE(Shown(window, "Sound1"), ChosenVoice(window.ForeignVoice()).modeName);
        QCOMPARE(Shown(window, "Sound2"), ChosenVoice(window.RussianVoice()).modeName);

        window.show();
        Named<QTabWidget>(window, "PageControl1")->setCurrentIndex(TLektavo::TsSoundIndex);
        MonitorRecorder recorder;
        QVERIFY(recorder.WaitUntilRecording());
        QVERIFY(SpeaksToTheEnd(window, "Sound1", foreignEnds, recorder));
        QVERIFY(SpeaksToTheEnd(window, "Sound2", russianEnds, recorder));
    }
};

QTEST_MAIN(TestVoicesAtStart)
#include "tst_VoicesAtStart.moc"
