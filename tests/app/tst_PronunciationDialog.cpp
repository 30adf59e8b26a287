#include "app/PronunciationDialog.h"
#include "testsupport/MemoryTextArea.h"
#include "workspace/PronunciationCommands.h"
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// From the word to hearing it fixed: the voice's reading shown, a click on the vowel says it with
// the stress there, and "Сохранить" keeps it in the list, for the book when asked.
class TestPronunciationDialog : public QObject {
    Q_OBJECT
private slots:
    void aVowelClickedIsHeardAndKept()
    {
        QTemporaryDir folder;
        MemoryTextArea re1;
        PronunciationDictionary dictionary;
        QString bookEntries, shown = "/books/a.fb2";
        PronunciationCommands commands(re1, dictionary, folder.filePath("Pronunciation.txt"),
                                       {[&] { return shown; }, [&] { return bookEntries; },
                                        [&](const QString &entries) { bookEntries = entries; return true; }});
        QStringList said;
        PronunciationDialog dialog(nullptr, commands, QStringLiteral("Потом"),
                                   [&said](const QString &marked) { said << marked; },
                                   [](const QString &word) { return word == "Потом" ? QStringLiteral("pˈotəm") : QString(); });
        QCOMPARE(dialog.LbTranscription->text(), QStringLiteral("[pˈotəm]"));
        QCOMPARE(dialog.findChildren<QPushButton *>(QRegularExpression("^BtVowel")).size(), 2);
        dialog.findChild<QPushButton *>("BtVowel1")->click();
        QCOMPARE(said, QStringList{QStringLiteral("Пот+ом")});
        QCOMPARE(dialog.EdReading->text(), QStringLiteral("Пот+ом"));
        dialog.BtKeep->click();
        QCOMPARE(dialog.LbEntries->count(), 1);
        QCOMPARE(dialog.LbEntries->item(0)->text(), QStringLiteral("Потом = Пот+ом"));
        QVERIFY(dictionary.Find(QStringLiteral("потом")));

        QVERIFY(dialog.CbBook->isEnabled());
        dialog.CbBook->setChecked(true);
        dialog.findChild<QPushButton *>("BtVowel0")->click();
        dialog.BtKeep->click();
        QCOMPARE(bookEntries, QStringLiteral("Потом=П+отом\n"));
        QCOMPARE(dialog.LbEntries->item(0)->text(), QStringLiteral("книга: Потом = П+отом"));
        dialog.EdWord->setText(QStringLiteral("так"));
        Q_EMIT dialog.EdWord->textEdited(dialog.EdWord->text());
        QCOMPARE(dialog.LbTranscription->text(), QStringLiteral("—"));

        shown.clear();  // another text in the window while the dialog stayed open
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QTRY_VERIFY(!dialog.CbBook->isEnabled());
        QCOMPARE(dialog.LbEntries->count(), 1);
    }
};

QTEST_MAIN(TestPronunciationDialog)
#include "tst_PronunciationDialog.moc"
