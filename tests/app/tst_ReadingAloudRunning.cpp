#include "app/ReadingAloud.h"
#include "app/TFormHello.h"
#include "app/ReadingOptions.h"
#include "app/TLektavo.h"
#include "app/TSound.h"
#include "platform/speech/SpeechTestSupport.h"
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

namespace {

using Clock = MonitorRecorder::Clock;

struct Utterance {
    QString voice;   // "Sound1" or "Sound2": whose engine reported the end
    QString piece;   // the piece Re1 showed coloured
    Clock::time_point end;
};

// The main window with the embedded voices; every end of speech is noted on its way from a voice
// panel to the reading controller.
struct RunningWindow {
    RunningWindow()
    {
        for (TSound *sound : {window.Sound1, window.Sound2}) {
            auto toController = sound->Panel().ReadingAudioStop;
            sound->Panel().ReadingAudioStop = [this, sound, toController](TDirectSS *s, quint32 hi, quint32 lo) {
                utterances.append({sound->objectName(), ColouredPiece(), Clock::now()});
                toController(s, hi, lo);
            };
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    ~RunningWindow()
    {
        for (TSound *sound : {window.Sound1, window.Sound2})
            sound->Panel().ReadingAudioStop = nullptr;
    }

    // The text of the yellow piece in Re1, empty when none is coloured.
    QString ColouredPiece() const
    {
        for (const QTextEdit::ExtraSelection &s : window.Re1->extraSelections())
            if (s.format.foreground().color() == QColor(255, 255, 0))
                return s.cursor.selectedText();
        return {};
    }

    bool WaitUntilIdle(int timeoutMs = 30000)
    {
        return QTest::qWaitFor([this] { return !window.Reading->Controller.ReadingActive; }, timeoutMs);
    }

    QTemporaryDir folder;
    TLektavo window{{}, folder.path() + '/'};
    QList<Utterance> utterances;
};

} // namespace

class tst_ReadingAloudRunning : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/lektavo-speechd.sock");
    }

    void readsThreeSentencesOnTheirVoicesWithTheExtraPause()
    {
        RunningWindow w;
        MonitorRecorder recorder;
        QVERIFY(recorder.WaitUntilRecording());
        w.window.Re1->setPlainText("Привет всем. Hello world. Пока.");
        QCOMPARE(w.window.Reading->Options->UpDown1->value(), 1);

        const std::size_t start = recorder.SampleCount();
        QTest::mouseClick(w.window.Reading->Bar.BtStartSpeaking, Qt::LeftButton);
        QVERIFY(WaitForSound(recorder, start));
        QCOMPARE(w.ColouredPiece(), "Привет всем. ");
        QVERIFY(!w.window.Reading->Bar.BtStopSpeaking->isHidden());
        QVERIFY(w.WaitUntilIdle());
        RunEvents(300);
        const std::size_t end = recorder.SampleCount();

        QCOMPARE(w.utterances.size(), 3);
        const QStringList heard = {w.utterances[0].voice + ' ' + w.utterances[0].piece,
                                   w.utterances[1].voice + ' ' + w.utterances[1].piece,
                                   w.utterances[2].voice + ' ' + w.utterances[2].piece};
        QCOMPARE(heard, (QStringList{"Sound2 Привет всем. ", "Sound1 Hello world. ", "Sound2 Пока."}));

        const auto sounds = recorder.Sounds(start, end, 300, 600);
        QCOMPARE(sounds.size(), std::size_t(3));
        for (int i = 1; i < 3; ++i) {
            const auto nextSound = recorder.TimeOf(sounds[i].begin);
            const double pause = std::chrono::duration<double>(nextSound - w.utterances[i - 1].end).count();
            QVERIFY2(pause >= 0.98 && pause < 1.5, qPrintable(QString("pause %1 s").arg(pause)));
        }

        QVERIFY(!w.window.Reading->Bar.BtStartSpeaking->isHidden());
        QVERIFY(w.window.Reading->Bar.BtStopSpeaking->isHidden());
        QVERIFY(!w.window.Reading->Bar.BtPause->isEnabled());
        QCOMPARE(w.window.Re1Area->SelStart(), 0);
        QCOMPARE(w.window.Re1Area->SelLength(), 0);
        QCOMPARE(w.ColouredPiece(), QString());
    }

    void aTextCopiedInAnotherProgramIsReadByItself()
    {
        RunningWindow w;
        MonitorRecorder recorder;
        QVERIFY(recorder.WaitUntilRecording());
        w.window.Reading->Options->SetLangsIndex(LangsForeignAndRussian);
        const std::size_t start = recorder.SampleCount();

        QProcess xclip;
        xclip.start("xclip", {"-selection", "clipboard", "-quiet"});
        QVERIFY(xclip.waitForStarted());
        xclip.write("Copied somewhere else.");
        xclip.closeWriteChannel();

        QVERIFY(QTest::qWaitFor([&] { return w.window.Reading->Controller.ReadingActive; }, 5000));
        QVERIFY(!w.window.Reading->Controller.ReadingText);
        QVERIFY(!w.window.Reading->Bar.BtStopBuffer->isHidden());
        QVERIFY(WaitForSound(recorder, start));
        QVERIFY(w.WaitUntilIdle());
        QCOMPARE(w.utterances.size(), 1);
        QCOMPARE(w.utterances[0].voice, "Sound1");
        QCOMPARE(w.window.Re2->toPlainText(), "Copied somewhere else.");
        xclip.kill();
        xclip.waitForFinished();
    }
};

QTEST_MAIN(tst_ReadingAloudRunning)
#include "tst_ReadingAloudRunning.moc"
