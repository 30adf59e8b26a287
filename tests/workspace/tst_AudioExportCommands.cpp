#include "LektavoVersion.h"
#include "platform/BackgroundTask.h"
#include "testsupport/MemoryAudioFiles.h"
#include "testsupport/MemoryTextArea.h"
#include "testsupport/ScriptedRenderer.h"
#include "workspace/AudioExportCommands.h"
#include "workspace/AudioExportView.h"
#include <QTest>

namespace {

// Holds the work until the test runs it, then runs the steps it handed to the window.
class HeldTask : public BackgroundTask {
public:
    void Start(Work started) override { work = std::move(started); }
    void Cancel() override { cancelled = true; }

    void Run()
    {
        QList<std::function<void()>> steps;
        std::exchange(work, nullptr)([&](std::function<void()> step) { steps << step; }, cancelled);
        for (const auto &step : steps)
            step();
    }
    bool Started() const { return bool(work); }

private:
    Work work;
    std::atomic_bool cancelled = false;
};

class AnsweredView : public AudioExportView {
public:
    std::optional<QString> ChooseAudioFile(const QString &folder, const QString &fileName) override
    {
        log << "save in " + folder + " as " + fileName;
        return file;
    }
    std::optional<ExportParts> ChooseExportParts(const QStringList &notices, const ExportParts &proposed) override
    {
        this->notices = notices;
        proposedParts = proposed;
        return parts;
    }
    void ShowExportProgress(int percent) override { progress << percent; }
    void CloseExportProgress() override { log << "progress closed"; }
    void ShowMessage(const QString &message) override { log << "message: " + message; }

    std::optional<QString> file = "/звук/Чтение.flac";
    std::optional<ExportParts> parts = ExportParts{};
    QStringList log, notices;
    ExportParts proposedParts{ExportParts::Split::Minutes, 0};
    QList<int> progress;
};

RenderVoice Voice(const QString &name)
{
    RenderVoice voice;
    voice.modeName = name;
    return voice;
}

struct Commands {
    MemoryTextArea re1{"Первая. Second. Третья."};
    AnsweredView view;
    ScriptedRenderer renderer;
    MemoryAudioFiles files;
    HeldTask *task = new HeldTask;
    bool langApart = true;
    QString document;
    AudioExportCommands commands{re1, view, renderer, files, std::unique_ptr<BackgroundTask>(task),
                                 {[] { return Voice("English"); }, [] { return Voice("Русский"); },
                                  [this] { return langApart; }, [] { return 0; }, [this] { return document; },
                                  [] { return ReadingRules{}; }}};

    void Export()
    {
        commands.SaveAsAudio1Click();
        if (task->Started())
            task->Run();
    }
};

} // namespace

class TestAudioExportCommands : public QObject {
    Q_OBJECT
private slots:
    void theWholeTextOrTheSelection_data()
    {
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QStringList>("rendered");
        QTest::newRow("no selection") << 8 << 0 << QStringList{"Русский:Первая. ", "English:Second. ", "Русский:Третья."};
        QTest::newRow("a selection") << 8 << 7 << QStringList{"English:Second."};
        QTest::newRow("a blank selection") << 7 << 1 << QStringList{"Русский:Первая. ", "English:Second. ", "Русский:Третья."};
    }
    void theWholeTextOrTheSelection()
    {
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QStringList, rendered);
        Commands c;
        c.re1.SetSelStart(selStart);
        c.re1.SetSelLength(selLength);
        c.Export();
        QCOMPARE(c.renderer.Rendered, rendered);
        QCOMPARE(c.files.Published(), QStringList{"/звук/Чтение.flac"});
        QCOMPARE(c.files.Files[0].tags.title, "Чтение");
        QCOMPARE(c.view.progress.first(), 0);
        QCOMPARE(c.view.progress.last(), 100);
        QCOMPARE(c.view.log.last(), "progress closed");
        QVERIFY(!c.commands.Exporting());
    }

    void theDocumentNamesTheFileAndItsTitle()
    {
        Commands c;
        c.document = "/книги/Анна Каренина.fb2";
        c.view.parts = ExportParts{ExportParts::Split::Chapters, 30};
        c.Export();
        QCOMPARE(c.view.log.first(), "save in /книги as Анна Каренина.flac");
        QCOMPARE(c.files.Files[0].tags.title, "Анна Каренина — 01");
        QCOMPARE(c.files.Files[0].tags.encoder, "Lektavo " LEKTAVO_VERSION);
        c.view.log.clear();
        c.Export();  // the folder and the parts chosen last are proposed
        QCOMPARE(c.view.log.first(), "save in /звук as Анна Каренина.flac");
        QCOMPARE(c.view.proposedParts.split, ExportParts::Split::Chapters);
    }

    void theDialogTellsOfTheVoicesThatRenderInOthersPlace_data()
    {
        QTest::addColumn<bool>("langApart");
        QTest::addColumn<QStringList>("notices");
        QTest::newRow("both voices speak")
            << true
            << QStringList{"Голос «English» не умеет писать в файл: его части прочтёт встроенный голос «English (America)».",
                           "Голос «Русский» не умеет писать в файл: его части прочтёт встроенный голос «Russian»."};
        QTest::newRow("the Russian voice speaks all")
            << false << QStringList{"Голос «Русский» не умеет писать в файл: его части прочтёт встроенный голос «Russian»."};
    }
    void theDialogTellsOfTheVoicesThatRenderInOthersPlace()
    {
        QFETCH(bool, langApart);
        QFETCH(QStringList, notices);
        Commands c;
        c.langApart = langApart;
        c.renderer.StandIns = {{"English", "English (America)"}, {"Русский", "Russian"}};
        c.view.parts.reset();
        c.Export();
        QCOMPARE(c.view.notices, notices);
        QVERIFY(c.files.Files.isEmpty() && c.view.progress.isEmpty());
    }

    void aCancelledDialogExportsNothing()
    {
        Commands c;
        c.view.file.reset();
        c.Export();
        QVERIFY(c.renderer.Rendered.isEmpty() && c.view.progress.isEmpty());
    }

    void cancelledWhileExporting()
    {
        Commands c;
        c.commands.SaveAsAudio1Click();
        QVERIFY(c.commands.Exporting());
        c.commands.SaveAsAudio1Click();  // one export at a time
        QCOMPARE(c.view.log.size(), 1);
        c.commands.CancelExport();
        c.task->Run();
        QVERIFY(c.files.Published().isEmpty());
        QCOMPARE(c.view.log.last(), "progress closed");
        QVERIFY(!c.commands.Exporting());
    }

    void aFailureIsToldAndLeavesNoFile()
    {
        Commands c;
        c.files.WriteLimit = 300;
        c.Export();
        QCOMPARE(c.view.log.mid(1), (QStringList{"progress closed",
                                                 "message: Аудио не сохранено в файл «/звук/Чтение.flac»: No space left on device"}));
        QVERIFY(c.files.Published().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAudioExportCommands)
#include "tst_AudioExportCommands.moc"
