#include "app/AudioExportWindow.h"
#include "app/Dialogs.h"
#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "platform/speech/SpeechSystem.h"
#include "testsupport/Named.h"
#include "testsupport/ScriptedVoices.h"
#include "testsupport/app/AnsweredMessages.h"
#include <QAction>
#include <QDir>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

VoiceEngines RenderedByEmbeddedVoices(SpeechSystem &speech)
{
    VoiceEngines engines = ScriptedVoices().Take();
    engines.renderer = speech.NewRenderer();
    return engines;
}

// The window with scripted voices, its file dialog and parts dialog answered by the test; the
// embedded voices of speech render in the scripted voices' place.
struct Window {
    explicit Window(SpeechSystem &speech) : speech(speech)
    {
        window.Text().SetText(QStringLiteral("Это проверка. This is a test. ").repeated(sentences));
    }

    QDialog *Progress() { return window.findChild<QDialog *>("DlgAudioProgress"); }
    QStringList AudioFiles() const { return QDir(audio.path()).entryList(QDir::Files | QDir::Hidden); }

    SpeechSystem &speech;
    int sentences = 2;
    QTemporaryDir folder, audio;
    TLektavo window{{}, folder.path() + '/', RenderedByEmbeddedVoices(speech)};
    QStringList notices;
    Answering<decltype(Dialogs::SaveFileHook)> file{
        Dialogs::SaveFileHook,
        [this](const QString &, const QString &) { return std::optional(audio.filePath("Проверка.ogg")); }};
    Answering<AudioExportWindow::PartsAnswer> parts{
        AudioExportWindow::PartsHook, [this](const QStringList &told, const ExportParts &proposed) {
            notices = told;
            return std::optional(proposed);
        }};
};

} // namespace

class TestSaveAsAudioWindow : public QObject {
    Q_OBJECT

    SpeechSystem speech;

private slots:
    void theCommandWritesTheFileBehindAProgressDialog()
    {
        Window w(speech);
        w.window.Command("SaveAsAudio1Click")->trigger();
        QCOMPARE(w.notices.size(), 2);  // the scripted voices cannot render into a file
        QVERIFY(w.Progress());
        QTRY_VERIFY_WITH_TIMEOUT(!w.Progress(), 20000);
        QCOMPARE(w.AudioFiles(), QStringList{"Проверка.ogg"});
        QVERIFY(QFileInfo(w.audio.filePath("Проверка.ogg")).size() > 1000);
    }

    void cancelLeavesNoFile()
    {
        Window w(speech);
        w.sentences = 2000;
        w.window.Text().SetText(QStringLiteral("Это проверка. This is a test. ").repeated(w.sentences));
        w.window.Command("SaveAsAudio1Click")->trigger();
        QDialog *progress = w.Progress();
        QVERIFY(progress);
        Named<QPushButton>(*progress, "BtCancelExport")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.Progress(), 20000);
        QVERIFY(w.AudioFiles().isEmpty());
    }
};

QTEST_MAIN(TestSaveAsAudioWindow)
#include "tst_SaveAsAudioWindow.moc"
