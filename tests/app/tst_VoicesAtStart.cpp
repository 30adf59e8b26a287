#include "app/TFormHello.h"
#include "app/TLektavo.h"
#include "app/TSound.h"
#include "platform/speech/SpeechTestSupport.h"
#include <QComboBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The main window's first run with the embedded engine alone: each voice panel has a voice of its
// language chosen, and its test button is heard on the null sink.
class tst_VoicesAtStart : public QObject {
    Q_OBJECT

    static const SpeechVoice &ChosenVoice(TSound *sound)
    {
        return InstalledVoices().at(sound->Panel().Number() - 1);
    }

    static bool SpeaksToTheEnd(TSound *sound, const MonitorRecorder &recorder)
    {
        int stops = 0;
        sound->Panel().ReadingAudioStop = [&](TDirectSS *, quint32, quint32) { ++stops; };
        const std::size_t from = recorder.SampleCount();
        QTest::mouseClick(sound->BitBtn2, Qt::LeftButton);
        const bool heard = WaitForSound(recorder, from) && QTest::qWaitFor([&] { return stops == 1; }, 20000);
        sound->Panel().ReadingAudioStop = nullptr;
        return heard;
    }

private slots:
    void initTestCase()
    {
        qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/lektavo-speechd.sock");
    }

    void firstRunChoosesAndSpeaksAVoiceOfEachLanguage()
    {
        QTemporaryDir folder;
        TLektavo window({}, folder.path() + '/');
        for (const SpeechVoice &voice : InstalledVoices())
            QCOMPARE(voice.backend, SpeechVoice::Backend::Embedded);

        QVERIFY(window.Sound1->Panel().Number() > 0);
        QVERIFY(window.Sound2->Panel().Number() > 0);
        QCOMPARE(ChosenVoice(window.Sound1).languageId & 0x3FF, 0x09);
        QCOMPARE(ChosenVoice(window.Sound2).languageId, 1049);
        QCOMPARE(window.Sound1->CbMainCopy->currentText(), ChosenVoice(window.Sound1).modeName);
        QCOMPARE(window.Sound2->CbMainCopy->currentText(), ChosenVoice(window.Sound2).modeName);

        window.show();
        window.PageControl1->setCurrentIndex(TLektavo::TsSoundIndex);
        MonitorRecorder recorder;
        QVERIFY(recorder.WaitUntilRecording());
        QVERIFY(SpeaksToTheEnd(window.Sound1, recorder));
        QVERIFY(SpeaksToTheEnd(window.Sound2, recorder));
    }
};

QTEST_MAIN(tst_VoicesAtStart)
#include "tst_VoicesAtStart.moc"
