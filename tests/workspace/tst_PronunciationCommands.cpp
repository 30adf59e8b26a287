#include "testsupport/MemoryTextArea.h"
#include "testsupport/TestTexts.h"
#include "workspace/PronunciationCommands.h"
#include <QTemporaryDir>
#include <QTest>

class TestPronunciationCommands : public QObject {
    Q_OBJECT
private slots:
    void theWordAtTheCaret_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("word");
        QTest::newRow("caret inside") << 8 << 0 << QStringLiteral("потом");
        QTest::newRow("caret behind") << 13 << 0 << QStringLiteral("потом");
        QTest::newRow("a word selected") << 0 << 2 << QStringLiteral("Он");
        QTest::newRow("two words selected") << 0 << 8 << QString();
        QTest::newRow("caret between signs") << 15 << 0 << QString();
    }
    void theWordAtTheCaret()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, word);
        MemoryTextArea re1(QStringLiteral("Он ушёл потом —  да."));
        re1.SetSelStart(start);
        re1.SetSelLength(length);
        PronunciationDictionary dictionary;
        QCOMPARE(PronunciationCommands(re1, dictionary, {}).WordAtCaret(), word);
    }

    // Each change is in the file at once; an import joins the entries that make sense and tells
    // of the lines that do not.
    void changesAreWrittenAndImported()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Pronunciation.txt");
        MemoryTextArea re1;
        PronunciationDictionary dictionary;
        PronunciationCommands commands(re1, dictionary, path);
        QCOMPARE(commands.EntryFor(QStringLiteral("потом")).entry.reading, QStringLiteral("потом"));
        QCOMPARE(commands.Keep({QStringLiteral("потом"), false, PronunciationCommands::Marked("потом", 1)}), QString());
        QCOMPARE(QString::fromUtf8(ReadAll(path)), QStringLiteral("потом=пот+ом\n"));
        QVERIFY(!commands.Keep({QStringLiteral("потом"), false, QStringLiteral("потом")}).isEmpty());

        const QString imported = folder.filePath("import.txt");
        WriteAll(imported, QStringLiteral("всё\nнепонятно здесь\n").toUtf8());
        QCOMPARE(commands.Import(imported), QStringLiteral("В файле «import.txt» непонятные строки: 2. Остальные прочитаны."));
        QCOMPARE(QString::fromUtf8(ReadAll(path)), QStringLiteral("потом=пот+ом\nвсё=всё\n"));
        QCOMPARE(commands.Remove(*dictionary.Find(QStringLiteral("потом"))), QString());
        QCOMPARE(QString::fromUtf8(ReadAll(path)), QStringLiteral("всё=всё\n"));
    }

    // The book's entries are kept with the book, win over those for every text while it is shown,
    // and are gone with it; a text that is not a book keeps none.
    void theBookShownHasEntriesOfItsOwn()
    {
        QTemporaryDir folder;
        MemoryTextArea re1;
        PronunciationDictionary everyText = PronunciationDictionary::Parse(QStringLiteral("замок=з+амок\nвсё\n"));
        QString shown = "/books/a.fb2";
        QHash<QString, QString> kept;
        PronunciationCommands commands(re1, everyText, folder.filePath("Pronunciation.txt"),
                                       {[&] { return shown; }, [&] { return kept.value(shown); },
                                        [&](const QString &entries) { kept[shown] = entries; return true; }});
        const auto reading = [&](const char *word) { return commands.InForce().Find(QString::fromUtf8(word))->reading; };

        QCOMPARE(commands.Keep({QStringLiteral("замок"), false, QStringLiteral("зам+ок")}, PronunciationCommands::Scope::Book),
                 QString());
        QCOMPARE(kept.value("/books/a.fb2"), QStringLiteral("замок=зам+ок\n"));
        QCOMPARE(reading("Замок"), QStringLiteral("зам+ок"));
        QCOMPARE(reading("все"), QStringLiteral("всё"));
        QCOMPARE(commands.EntryFor(QStringLiteral("замок")).scope, PronunciationCommands::Scope::Book);

        shown = "/books/b.fb2";
        QCOMPARE(reading("замок"), QStringLiteral("з+амок"));
        QVERIFY(commands.BookDictionary().IsEmpty());
        shown.clear();
        QVERIFY(!commands.BookShown());
        QCOMPARE(commands.Keep({QStringLiteral("потом"), false, QStringLiteral("пот+ом")}, PronunciationCommands::Scope::Book),
                 QString::fromUtf8(PronunciationCommands::BookNotWrittenMessage));
        QCOMPARE(commands.InForce().Find(QStringLiteral("потом")), nullptr);

        shown = "/books/a.fb2";
        QCOMPARE(commands.Remove({QStringLiteral("замок"), false, {}}, PronunciationCommands::Scope::Book), QString());
        QCOMPARE(kept.value("/books/a.fb2"), QString());
        QCOMPARE(reading("замок"), QStringLiteral("з+амок"));
    }
};

QTEST_APPLESS_MAIN(TestPronunciationCommands)
#include "tst_PronunciationCommands.moc"
