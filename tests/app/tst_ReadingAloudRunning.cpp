#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/speech/SpeechTestSupport.h"
#include "reading/ReadingController.h"
#include "testsupport/Named.h"
#include "testsupport/ObservedEngine.h"
#include <QRadioButton>
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

// The main window with the embedded voices of speech, which outlives it; every end of speech is
// noted on its way from an engine to the reading.
struct RunningWindow {
    explicit RunningWindow(SpeechSystem &speech) : speech(speech)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    std::unique_ptr<TDirectSS> HeardEngine(const QString &voice)
    {
        return std::make_unique<ObservedEngine>(speech.NewEngine(), [this, voice] {
            utterances.append({voice, ColouredPiece(), Clock::now()});
        });
    }

    // The text of the yellow piece in Re1, empty when none is coloured.
    QString ColouredPiece() const
    {
        for (const QTextEdit::ExtraSelection &s : Named<QPlainTextEdit>(window, "Re1")->extraSelections())
            if (s.format.foreground().color() == QColor(255, 255, 0))
                return s.cursor.selectedText();
        return {};
    }

    bool WaitUntilIdle(int timeoutMs = 30000)
    {
        return QTest::qWaitFor([this] { return !window.Reading().ReadingActive(); }, timeoutMs);
    }

    SpeechSystem &speech;
    QList<Utterance> utterances;
    QTemporaryDir folder;
    TLektavo window{{}, folder.path() + '/',
                    {HeardEngine("Sound1"), HeardEngine("Sound2"), speech.NewRenderer()}};
};

} // namespace

class TestReadingAloudRunning : public QObject {
    Q_OBJECT

    SpeechSystem speech;

private slots:
    void initTestCase()
    {
        qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/lektavo-speechd.sock");
    }

    void readsThreeSentencesOnTheirVoicesWithTheExtraPause()
    {
        RunningWindow w(speech);
        MonitorRecorder recorder;
        QVERIFY(recorder.WaitUntilRecording());
        Named<QPlainTextEdit>(w.window, "Re1")->setPlainText("Привет всем. Hello world. Пока.");
        QCOMPARE(Named<QSpinBox>(w.window, "UpDown1")->value(), 1);

        const std::size_t start = recorder.SampleCount();
        QTest::mouseClick(Named<QPushButton>(w.window, "BtStartSpeaking"), Qt::LeftButton);
        QVERIFY(WaitForSound(recorder, start));
        QCOMPARE(w.ColouredPiece(), "Привет всем. ");
        QVERIFY(!Named<QPushButton>(w.window, "BtStopSpeaking")->isHidden());
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

        QVERIFY(!Named<QPushButton>(w.window, "BtStartSpeaking")->isHidden());
        QVERIFY(Named<QPushButton>(w.window, "BtStopSpeaking")->isHidden());
        QVERIFY(!Named<QPushButton>(w.window, "BtPause")->isEnabled());
        QCOMPARE(w.window.Text().SelStart(), 0);
        QCOMPARE(w.window.Text().SelLength(), 0);
        QCOMPARE(w.ColouredPiece(), QString());
    }

    void aTextCopiedInAnotherProgramIsReadByItself()
    {
        RunningWindow w(speech);
        MonitorRecorder recorder;
        QVERIFY(recorder.WaitUntilRecording());
        Named<QRadioButton>(w.window, "RgLangsItem0")->setChecked(true);
        const std::size_t start = recorder.SampleCount();

        QProcess xclip;
        xclip.start("xclip", {"-selection", "clipboard", "-quiet"});
        QVERIFY(xclip.waitForStarted());
        xclip.write("Copied somewhere else.");
        xclip.closeWriteChannel();

        QVERIFY(QTest::qWaitFor([&] { return w.window.Reading().ReadingActive(); }, 5000));
        QVERIFY(!w.window.Reading().ReadingText());
        QVERIFY(!Named<QPushButton>(w.window, "BtStopBuffer")->isHidden());
        QVERIFY(WaitForSound(recorder, start));
        QVERIFY(w.WaitUntilIdle());
        QCOMPARE(w.utterances.size(), 1);
        QCOMPARE(w.utterances[0].voice, "Sound1");
        QCOMPARE(Named<QPlainTextEdit>(w.window, "Re2")->toPlainText(), "Copied somewhere else.");
        xclip.kill();
        xclip.waitForFinished();
    }
};

QTEST_MAIN(TestReadingAloudRunning)
#include "tst_ReadingAloudRunning.moc"
