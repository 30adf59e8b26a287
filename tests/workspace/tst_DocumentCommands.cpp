#include "settings/SettingsRecord.h"
#include "testsupport/AnsweredDocumentView.h"
#include "testsupport/MemoryClipboard.h"
#include "testsupport/MemoryTextArea.h"
#include "testsupport/ReadyDocuments.h"
#include "testsupport/TestTexts.h"
#include "workspace/DocumentCommands.h"
#include "workspace/DocumentView.h"
#include "workspace/ReadingPlaces.h"
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Documents {
    Documents() : area("Мой текст.") { record.SetText(SettingsField::LastFolder, "/книги"); }

    MemoryTextArea area;
    ReadyDocuments loader;
    AnsweredDocumentView view;
    SettingsRecord record = DefaultSettings();
    MemoryClipboard clipboard;
    QStringList stopped;
    // The speed reader's full stop puts the caret at the top, as the window's does.
    QTemporaryDir folder;
    ReadingPlaces places{folder.filePath("Places.json")};
    int speedReaderPosition = 0;
    DocumentCommands commands{area, loader, view, record, clipboard, places,
                              {[this] { stopped << "reading aloud"; },
                               [this] {
                                   stopped << "speed reader";
                                   area.SetSelStart(0);
                                   speedReaderPosition = 0;
                               },
                               [this] { return speedReaderPosition; },
                               [this](int position) { speedReaderPosition = position; }}};

    void Open(const QString &path, const QString &text)
    {
        view.open = path;
        loader.Documents[path] = ConvertedDocument::Text(text);
        commands.LoadFromFile1Click();
    }
};

} // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT
private slots:
    void openingADocument()
    {
        Documents d;
        d.commands.LoadFromFile1Click();  // cancelled
        QCOMPARE(d.view.log, QStringList{"open in /книги"});
        QVERIFY(d.stopped.isEmpty() && d.loader.Loaded.isEmpty());

        d.view.open = "/рассказы/Ванька.doc";
        d.loader.Documents[*d.view.open] = ConvertedDocument::Text("Ванька Жуков.\nДевятилетний мальчик.");
        d.loader.Hold = true;
        d.commands.LoadFromFile1Click();
        QCOMPARE(d.area.Text(), "Мой текст.");  // kept while it converts
        QVERIFY(d.view.busyNow);
        QCOMPARE(d.record.Text(SettingsField::LastFolder), "/рассказы");

        d.loader.Release();
        QCOMPARE(d.area.Text(), "Ванька Жуков.\r\nДевятилетний мальчик.");
        QVERIFY(!d.view.busyNow);
        QCOMPARE(d.commands.LastFileName(), "/рассказы/Ванька.doc");
        QCOMPARE(d.stopped, (QStringList{"speed reader", "reading aloud", "speed reader"}));
    }

    void aDocumentThatCannotBeOpenedLeavesTheText()
    {
        Documents d;
        d.commands.LoadDocument("/нет/такого.docx");
        QCOMPARE(d.area.Text(), "Мой текст.");
        QCOMPARE(d.view.log, QStringList{"message: Could not open file. Try to work with files *.txt"});
        QVERIFY(d.commands.LastFileName().isEmpty());
        QVERIFY(!d.view.busyNow);
    }

    // A second open replaces the first, whose text never arrives.
    void aSecondOpenReplacesTheFirst()
    {
        Documents d;
        d.loader.Documents["/a.txt"] = ConvertedDocument::Text("первый");
        d.loader.Documents["/b.txt"] = ConvertedDocument::Text("второй");
        d.loader.Hold = true;
        d.commands.LoadDocument("/a.txt");
        d.commands.LoadDocument("/b.txt");
        d.loader.Release();
        QCOMPARE(d.area.Text(), "второй");
        QCOMPARE(d.commands.LastFileName(), "/b.txt");
    }

    void droppedFilesOpenTheFirstOnly()
    {
        Documents d;
        d.loader.Documents["/один.txt"] = ConvertedDocument::Text("один");
        d.commands.FilesDropped({"/один.txt", "/два.txt", "/три.txt"});
        QCOMPARE(d.loader.Loaded, QStringList{"/один.txt"});
        QCOMPARE(d.area.Text(), "один");
        QCOMPARE(d.record.Text(SettingsField::LastFolder), "/книги");
        QCOMPARE(d.stopped.mid(0, 2), (QStringList{"reading aloud", "speed reader"}));
    }

    void theClipboardOrNothingAsTheText()
    {
        Documents d;
        d.area.SetSelStart(4);
        d.clipboard.Content = "Из буфера.";
        d.commands.LoadFromClipboard1Click();
        QCOMPARE(d.area.Text(), "Из буфера.");
        QCOMPARE(d.area.SelStart(), 0);
        d.commands.Clear1Click();
        QCOMPARE(d.area.Text(), QString());
        QCOMPARE(d.stopped, (QStringList{"reading aloud", "speed reader", "reading aloud", "speed reader"}));
    }

    // The save dialog proposes the folder of the document opened and its name as text; the file
    // is written whole, as UTF-8, and a failure is told.
    void aBookComesBackWhereTheReaderLeftIt_data()
    {
        QTest::addColumn<QString>("leaving");
        QTest::newRow("another book opened") << "open";
        QTest::newRow("another book dropped") << "drop";
        QTest::newRow("the text cleared") << "clear";
        QTest::newRow("the program closed") << "close";
    }
    void aBookComesBackWhereTheReaderLeftIt()
    {
        QFETCH(QString, leaving);
        const QString book = "Первая фраза. Вторая фраза. Третья фраза.";
        Documents d;
        d.Open("/книги/Повесть.fb2", book);
        d.area.SetSelStart(14);
        d.area.SetSelLength(6);
        d.speedReaderPosition = 28;
        d.loader.Documents["/книги/Другая.txt"] = ConvertedDocument::Text("Другая книга.");
        if (leaving == "open")
            d.Open("/книги/Другая.txt", "Другая книга.");
        else if (leaving == "drop")
            d.commands.FilesDropped({"/книги/Другая.txt"});
        else if (leaving == "clear")
            d.commands.Clear1Click();
        if (leaving == "close") {
            d.commands.RememberPlace();
            const ReadingPlaces nextRun(d.folder.filePath("Places.json"));
            QCOMPARE(nextRun.Find("/книги/Повесть.fb2", ReadingPlaces::HashOf(book)), (ReadingPlace{14, 6, 28}));
            return;
        }
        QCOMPARE(d.area.SelStart(), 0);

        d.Open("/книги/Повесть.fb2", book);
        QCOMPARE(d.area.Text(), book);
        QCOMPARE(d.area.SelStart(), 14);
        QCOMPARE(d.area.SelLength(), 6);
        QCOMPARE(d.speedReaderPosition, 28);
    }

    void anEditedBookStartsAtTheTop()
    {
        Documents d;
        d.Open("/книги/Повесть.txt", "Старый текст. Конец.");
        d.area.SetSelStart(14);
        d.speedReaderPosition = 14;
        d.Open("/книги/Повесть.txt", "Новый текст. Совсем другой конец.");
        QCOMPARE(d.area.SelStart(), 0);
        QCOMPARE(d.speedReaderPosition, 0);
    }

    void aTextNotFromAFileLeavesNoPlace()
    {
        Documents d;
        d.commands.LoadFromClipboard1Click();
        d.commands.RememberPlace();
        QVERIFY(!QFile::exists(d.folder.filePath("Places.json")));
    }

    void savingTheText()
    {
        QTemporaryDir folder;
        Documents d;
        d.area.SetText("Строка ∑ 😀\r\nвторая");
        d.loader.Documents[folder.filePath("a.doc")] = ConvertedDocument::Text("Из документа ∑");
        d.commands.LoadDocument(folder.filePath("a.doc"));
        d.commands.SaveToFile1Click();
        QCOMPARE(d.view.log.last(), "save in " + folder.path() + " as a.txt");

        d.view.save = folder.filePath("a.txt");
        d.commands.SaveToFile1Click();
        QCOMPARE(QString::fromUtf8(ReadAll(*d.view.save)), "Из документа ∑");

        d.view.save = folder.filePath("нет такой папки/a.txt");
        d.commands.SaveToFile1Click();
        QVERIFY2(d.view.log.last().startsWith("message: Текст не сохранён в файл «" + *d.view.save + "»: "),
                 qPrintable(d.view.log.last()));
    }

    void theProposedName_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("a document") << "a.doc" << "a.txt";
        QTest::newRow("a text") << "Book.TXT" << "Book.TXT";
        QTest::newRow("two dots") << "роман.fb2.zip" << "роман.fb2.txt";
        QTest::newRow("no extension") << "notes" << "notes.txt";
        QTest::newRow("nothing opened") << "" << "";
    }
    void theProposedName()
    {
        QFETCH(QString, opened);
        QFETCH(QString, proposed);
        QCOMPARE(ProposedTextName(opened), proposed);
    }
};

QTEST_GUILESS_MAIN(TestDocumentCommands)
#include "tst_DocumentCommands.moc"
