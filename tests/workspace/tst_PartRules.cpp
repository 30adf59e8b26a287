#include "reading/ReadingFixture.h"
#include "settings/SettingsStore.h"
#include "speedreader/SpeedReaderController.h"
#include "testsupport/AnsweredDocumentView.h"
#include "testsupport/FakeSpeedReaderView.h"
#include "testsupport/FixedWidthMeasurer.h"
#include "testsupport/ReadyDocuments.h"
#include "testsupport/ScriptedRulesView.h"
#include "workspace/PartRules.h"
#include "workspace/ReadingPlaces.h"
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The parts of the window the rules stand between, over in-memory doubles.
struct Parts {
    Parts() { rules.UseDocuments(documents); }

    QTemporaryDir folder;
    MemoryTextArea re1;
    ReadingFixture reading{re1};
    ManualClock clock;
    ManualTimer timer1{&clock}, counting{&clock}, clockTimer{&clock};
    FixedWidthMeasurer measurer{10};
    FakeSpeedReaderView speedView{clock};
    SpeedReaderController speedReader{re1, measurer, clock, timer1, counting, clockTimer, speedView};
    SettingsStore settings{folder.path()};
    ScriptedRulesView view;
    PartRules rules{{re1, reading.controller, speedReader, settings, reading.clipboard, view, 0}};
    ReadyDocuments loader;
    AnsweredDocumentView documentView;
    ReadingPlaces places{folder.filePath("Places.json")};
    DocumentCommands documents{re1,   loader, documentView, settings.Record(), reading.clipboard, places,
                               rules.NewTextStopsReaders()};
};

} // namespace

class TestPartRules : public QObject {
    Q_OBJECT

private slots:
    // Off its tab the speed reader reads on from the selection after a new text.
    void theSpeedReaderReadsOnFromWhereItsTabSays()
    {
        Parts p;
        p.re1.SetText("Один два три четыре пять шесть.");
        p.speedReader.ReadFrom(9);
        p.re1.SetSelStart(20);
        const auto readers = p.rules.NewTextStopsReaders();
        QCOMPARE(readers.speedReaderPosition(), 20);
        p.view.SpeedReaderTab = true;
        QCOMPARE(readers.speedReaderPosition(), p.speedReader.ReadPosition());
        QVERIFY(p.speedReader.ReadPosition() != 20);
    }

    void theMenusSeeTheTextTheClipboardAndTheWindow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<bool>("blank");
        QTest::newRow("nothing") << "" << 0 << "" << true << true;
        QTest::newRow("blanks") << "  \r\n " << 2 << "" << false << true;
        QTest::newRow("text, a clipboard") << "Текст." << 0 << "буфер" << false << false;
    }
    void theMenusSeeTheTextTheClipboardAndTheWindow()
    {
        QFETCH(QString, text);
        QFETCH(int, selected);
        QFETCH(QString, clipboard);
        QFETCH(bool, empty);
        QFETCH(bool, blank);
        Parts p;
        p.view.Facts.fullScreen = true;
        p.view.Facts.findField = "поиск";
        p.view.SpeedReaderTab = true;
        p.reading.clipboard.Content = clipboard;
        p.re1.SetText(text);
        p.re1.SetSelLength(selected);
        p.reading.controller.Re1Change();

        const MenuFacts facts = p.rules.MenuState();
        QCOMPARE(facts.textEmpty, empty);
        QCOMPARE(facts.textBlank, blank);
        QCOMPARE(facts.selectionEmpty, selected == 0);
        QCOMPARE(facts.clipboardHasText, !clipboard.isEmpty());
        QVERIFY(facts.speedReaderTab && !facts.readingTab);
        QVERIFY(facts.fullScreen);
        QCOMPARE(facts.findField, QString("поиск"));
    }

    void theLastTextComesBackUnlessADocumentIsNamed_data()
    {
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("selStart");
        QTest::newRow("kept") << true << "" << "Прошлый текст." << 3;
        QTest::newRow("none kept") << false << "" << "" << 0;
        QTest::newRow("a document named") << true << "/книга.txt" << "Книга." << 0;
        QTest::newRow("a document that fails") << true << "/нет.txt" << "Прошлый текст." << 3;
    }
    void theLastTextComesBackUnlessADocumentIsNamed()
    {
        QFETCH(bool, kept);
        QFETCH(QString, named);
        QFETCH(QString, shown);
        QFETCH(int, selStart);
        Parts p;
        if (kept)
            QVERIFY(SettingsStore::WriteLastEdit(p.settings.LastEditPath(), "Прошлый текст."));
        p.settings.Record().SetByte(SettingsField::TabIndex, 2);
        p.settings.Record().SetInt(SettingsField::SelStart, 3);
        p.settings.Record().SetInt(SettingsField::SelLength, -4);
        p.loader.Hold = true;
        p.loader.Documents["/книга.txt"] = ConvertedDocument::Text("Книга.");

        p.rules.RestoreLastText(named.isEmpty() ? QStringList() : QStringList{named});
        p.loader.Release();
        QCOMPARE(p.re1.Text(), shown);
        QCOMPARE(p.re1.SelLength(), 0);
        QCOMPARE(p.re1.SelStart(), selStart);
        QCOMPARE(p.settings.Record().Byte(SettingsField::TabIndex), named.isEmpty() ? 2 : 0);
    }

    void closingKeepsTheTextOrAsks_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saveOffered");
        QTest::newRow("kept") << true << -1 << true << false;
        QTest::newRow("not kept, saved elsewhere") << false << 0 << true << true;
        QTest::newRow("not kept, closed") << false << 1 << true << false;
        QTest::newRow("not kept, stays") << false << 2 << false << false;
    }
    void closingKeepsTheTextOrAsks()
    {
        QFETCH(bool, writable);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saveOffered);
        Parts p;
        if (!writable)
            QVERIFY(QDir().mkpath(p.settings.LastEditPath()));
        p.view.Answer = answer;
        p.re1.SetText("Мой текст.");
        p.re1.SetSelStart(4);
        p.re1.SetSelLength(5);

        QCOMPARE(p.rules.CloseQuery(), closes);
        QCOMPARE(p.view.Questions.size(), writable ? 0 : 1);
        QCOMPARE(p.documentView.log.filter("save in").size(), saveOffered ? 1 : 0);
        QCOMPARE(p.settings.Record().Int(SettingsField::SelStart), 4);
        QCOMPARE(p.settings.Record().Int(SettingsField::SelLength), 5);
        if (writable)
            QCOMPARE(SettingsStore::ReadLastEdit(p.settings.LastEditPath()), std::optional<QString>("Мой текст."));
    }
};

QTEST_GUILESS_MAIN(TestPartRules)
#include "tst_PartRules.moc"
