#include "platform/AudioFiles.h"
#include "platform/TDirectSS.h"
#include "reading/ReadingFixture.h"
#include "testsupport/MemoryAudioFiles.h"
#include "testsupport/ScriptedRenderer.h"
#include "workspace/AudioExport.h"
#include <QTest>

Q_DECLARE_METATYPE(ReadingRules)

namespace {

using Split = ExportParts::Split;

// The voices are named as the reading fixture lists the pieces it plays.
ExportRequest Request(const QString &text, ExportParts parts = {})
{
    ExportRequest request;
    request.text = text;
    request.path = "/книги/Книга.flac";
    request.title = "Книга";
    request.encoder = "Lektavo";
    request.foreign.modeName = "F";
    request.foreign.volumePosition = 30;
    request.russian.modeName = "R";
    request.russian.volumePosition = 90;
    request.parts = parts;
    return request;
}

struct Export {
    QStringList Run(const ExportRequest &request)
    {
        return AudioExport(renderer, files).Run(request, cancelled, [this](int percent) {
            progress << percent;
            if (CancelAt >= 0 && percent >= CancelAt)
                cancelled = true;
        });
    }

    ScriptedRenderer renderer;
    MemoryAudioFiles files;
    std::atomic_bool cancelled = false;
    QList<int> progress;
    int CancelAt = -1;
};

ReadingRules Rules(bool knowAbbreviations, bool englishRuns, const QString &pronunciation = {})
{
    ReadingRules rules;
    rules.knowAbbreviations = knowAbbreviations;
    rules.englishRuns = englishRuns;
    rules.pronunciation = PronunciationDictionary::Parse(pronunciation);
    rules.russianStyle = PronunciationStyle::StressMarks;
    return rules;
}

QStringList ReadAloud(const QString &text, bool langApart, ReadingRules rules)
{
    MemoryTextArea re1(text);
    ReadingFixture reading(re1);
    reading.dispatch.LangApart = langApart;
    reading.ChangeOptions([rules](ReadingController::Options &o) {
        o.KnowAbbreviations = rules.knowAbbreviations;
        o.EnglishRuns = rules.englishRuns;
    });
    reading.dispatch.Pronunciation = [&rules]() -> const PronunciationDictionary & { return rules.pronunciation; };
    reading.dispatch.RussianStyle = [style = rules.russianStyle] { return style; };
    reading.controller.BtStartSpeakingClick();
    return reading.ReadToTheEnd(1000);
}

const QString MixedText = QStringLiteral(
    "Он сказал: Hello there. Привет, мир! 123 --- и всё.\r\n\r\nHow are you? `Хорошо`.\r\n"
    "``\r\n\r\n   \r\n42.   The end");

} // namespace

class TestAudioExport : public QObject {
    Q_OBJECT
private slots:
    void piecesAndVoicesAreThoseOfReadingAloud_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("langApart");
        QTest::addColumn<ReadingRules>("rules");
        QTest::newRow("mixed, languages apart") << MixedText << true << ReadingRules{};
        QTest::newRow("mixed, one voice") << MixedText << false << ReadingRules{};
        QTest::newRow("long sentence") << QString(2500, u'д') + ". Yes." << true << ReadingRules{};
        QTest::newRow("without a last stop") << QStringLiteral("Раз. Two") << true << ReadingRules{};
        QTest::newRow("abbreviations") << QStringLiteral("Т. е. кошки и т. д. Потом, напр. собаки.") << true
                                       << Rules(true, false);
        QTest::newRow("english runs") << QStringLiteral("Открой Word и пиши «to be or not». Да.") << true
                                      << Rules(false, true);
        QTest::newRow("pronunciation") << QStringLiteral("Потом всё. Потом Windows 11 и всё.") << true
                                       << Rules(false, true, QStringLiteral("пот+ом\nвсё"));
    }
    void piecesAndVoicesAreThoseOfReadingAloud()
    {
        QFETCH(QString, text);
        QFETCH(bool, langApart);
        QFETCH(ReadingRules, rules);
        Export e;
        ExportRequest request = Request(text);
        request.langApart = langApart;
        request.rules = rules;
        QCOMPARE(e.Run(request), QStringList{"/книги/Книга.flac"});
        QCOMPARE(e.renderer.Rendered, ReadAloud(text, langApart, rules));
        QCOMPARE(e.files.Files.size(), 1);
        QVERIFY(e.files.Files[0].closed);
        QCOMPARE(e.files.Files[0].tags.title, "Книга");
        QCOMPARE(e.files.Files[0].tags.track, 0);
    }

    void theExtraPauseIsSilenceBetweenThePieces()
    {
        Export e;
        ExportRequest request = Request("Раз. Two. Три.");
        request.pauseSeconds = 2;
        e.Run(request);
        const std::vector<float> &samples = e.files.Files[0].samples;
        const int piece = ScriptedRenderer::SamplesPerPiece, pause = 2 * ScriptedRenderer::Rate;
        QCOMPARE(int(samples.size()), 3 * piece + 2 * pause);
        const auto level = [&](int at) { return samples[std::size_t(at)]; };
        QCOMPARE(level(0), 0.9f);
        QCOMPARE(level(piece), 0.0f);
        QCOMPARE(level(piece + pause - 1), 0.0f);
        QCOMPARE(level(piece + pause), 0.3f);  // the foreign voice at its own volume
        QCOMPARE(level(2 * piece + pause), 0.0f);
        QCOMPARE(level(2 * piece + 2 * pause), 0.9f);
        QCOMPARE(e.progress.last(), 100);
        QVERIFY(std::is_sorted(e.progress.begin(), e.progress.end()));
    }

    void chaptersMakeNumberedParts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("piecesPerPart");
        QTest::newRow("two chapters") << "Глава 1\n\nОдин. Два.\n\nГлава 2\n\nТри." << QList<int>{3, 2};
        QTest::newRow("a preface first") << "Предисловие.\n\nI\n\nОдин.\n\nII.\n\nДва." << QList<int>{1, 2, 2};
        QTest::newRow("headings together") << "Часть первая\n\nI\n\nОдин.\n\nII\n\nДва." << QList<int>{3, 2};
        QTest::newRow("no heading") << "Один. Два." << QList<int>{2};
    }
    void chaptersMakeNumberedParts()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, piecesPerPart);
        Export e;
        const QStringList written = e.Run(Request(text, {Split::Chapters, 30}));
        QCOMPARE(written, PartPaths("/книги/Книга.flac", int(piecesPerPart.size())));
        QCOMPARE(e.files.Published(), written);
        for (int part = 0; part < piecesPerPart.size(); ++part) {
            const MemoryAudioFiles::File &file = e.files.Files[part];
            QCOMPARE(int(file.samples.size()), piecesPerPart[part] * ScriptedRenderer::SamplesPerPiece);
            QCOMPARE(file.tags.track, part + 1);
            QCOMPARE(file.tags.title, QStringLiteral("Книга — %1").arg(part + 1, 2, 10, QLatin1Char('0')));
        }
    }

    void minutesMakePartsOfThatLength()
    {
        Export e;
        const QString text = QStringLiteral("Раз. ").repeated(500);
        const QStringList written = e.Run(Request(text, {Split::Minutes, 1}));
        QCOMPARE(written, (QStringList{"/книги/Книга-01.flac", "/книги/Книга-02.flac", "/книги/Книга-03.flac"}));
        const int minute = 60 * ScriptedRenderer::Rate;
        QCOMPARE(int(e.files.Files[0].samples.size()), minute);
        QCOMPARE(int(e.files.Files[1].samples.size()), minute);
        QCOMPARE(int(e.files.Files[2].samples.size()), 500 * ScriptedRenderer::SamplesPerPiece - 2 * minute);
    }

    void aCancelledExportLeavesNoFile()
    {
        Export e;
        e.CancelAt = 1;
        QVERIFY(e.Run(Request(QStringLiteral("Раз. ").repeated(300), {Split::Minutes, 1})).isEmpty());
        QVERIFY(e.renderer.Rendered.size() < 300);
        QVERIFY(e.files.Published().isEmpty());
        QVERIFY(!e.files.Files.isEmpty());
        for (const MemoryAudioFiles::File &file : e.files.Files)
            QVERIFY(file.removed);
    }

    void aFailureLeavesNoFile_data()
    {
        QTest::addColumn<int>("failingPiece");
        QTest::addColumn<qint64>("writeLimit");
        QTest::addColumn<int>("failingPublication");
        QTest::newRow("a voice fails") << 3 << qint64(-1) << 0;
        QTest::newRow("the disk is full") << 0 << qint64(1000) << 0;
        QTest::newRow("the file cannot be put in place") << 0 << qint64(-1) << 1;
    }
    void aFailureLeavesNoFile()
    {
        QFETCH(int, failingPiece);
        QFETCH(qint64, writeLimit);
        QFETCH(int, failingPublication);
        Export e;
        e.renderer.FailingPiece = failingPiece;
        e.files.WriteLimit = writeLimit;
        e.files.FailingPublication = failingPublication;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, e.Run(Request("Раз. Два. Три. Четыре. Пять. Шесть.")));
        QVERIFY(e.files.Published().isEmpty());
        QVERIFY(e.files.Files[0].removed);
    }

    void aTextWithNothingToReadIsRefused()
    {
        Export e;
        QVERIFY_THROWS_EXCEPTION(AudioError, e.Run(Request(" `` \r\n\r\n ` ")));
        QVERIFY(e.files.Files.isEmpty());
    }

    void chapterHeadings_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<bool>("heading");
        QTest::newRow("Глава") << "Глава 3\r\n" << true;
        QTest::newRow("ГЛАВА ПЕРВАЯ") << "ГЛАВА ПЕРВАЯ" << true;
        QTest::newRow("Часть") << "  Часть вторая" << true;
        QTest::newRow("Chapter") << "Chapter One." << true;
        QTest::newRow("Roman") << "XIV" << true;
        QTest::newRow("Roman with a stop") << "XII." << true;
        QTest::newRow("number") << "7." << true;
        QTest::newRow("a word of Roman letters") << "Mild." << false;
        QTest::newRow("lower-case Roman") << "iv" << false;
        QTest::newRow("Главаря") << "Главаря не нашли." << false;
        QTest::newRow("a sentence") << "Все счастливые семьи похожи друг на друга." << false;
        QTest::newRow("too long") << "Глава, в которой " + QString(60, u'я') << false;
        QTest::newRow("blank") << " \r\n" << false;
    }
    void chapterHeadings()
    {
        QFETCH(QString, piece);
        QFETCH(bool, heading);
        QCOMPARE(IsChapterHeading(piece), heading);
    }

    void partPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("one") << "/a/Книга.mp3" << 1 << QStringList{"/a/Книга.mp3"};
        QTest::newRow("two") << "/a/Книга.mp3" << 2 << QStringList{"/a/Книга-01.mp3", "/a/Книга-02.mp3"};
        QTest::newRow("dots in the name") << "/a/т.1.ogg" << 2 << QStringList{"/a/т.1-01.ogg", "/a/т.1-02.ogg"};
        QStringList hundred;
        for (int i = 1; i <= 100; ++i)
            hundred << QStringLiteral("/a/b-%1.wav").arg(i, 3, 10, QLatin1Char('0'));
        QTest::newRow("a hundred") << "/a/b.wav" << 100 << hundred;
    }
    void partPaths()
    {
        QFETCH(QString, path);
        QFETCH(int, count);
        QFETCH(QStringList, paths);
        QCOMPARE(PartPaths(path, count), paths);
    }
};

QTEST_GUILESS_MAIN(TestAudioExport)
#include "tst_AudioExport.moc"
