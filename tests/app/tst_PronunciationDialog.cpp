#include "app/PronunciationDialog.h"
#include "testsupport/MemoryTextArea.h"
#include "workspace/PronunciationCommands.h"
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// From the word to hearing it fixed: a click on the vowel says it with the stress there, and
// "Сохранить" keeps it in the list.
class TestPronunciationDialog : public QObject {
    Q_OBJECT
private slots:
    void aVowelClickedIsHeardAndKept()
    {
        QTemporaryDir folder;
        MemoryTextArea re1;
        PronunciationDictionary dictionary;
        PronunciationCommands commands(re1, dictionary, folder.filePath("Pronunciation.txt"));
        QStringList said;
        PronunciationDialog dialog(nullptr, commands, QStringLiteral("Потом"),
                                   [&said](const QString &marked) { said << marked; });
        QCOMPARE(dialog.findChildren<QPushButton *>(QRegularExpression("^BtVowel")).size(), 2);
        dialog.findChild<QPushButton *>("BtVowel1")->click();
        QCOMPARE(said, QStringList{QStringLiteral("Пот+ом")});
        QCOMPARE(dialog.EdReading->text(), QStringLiteral("Пот+ом"));
        dialog.BtKeep->click();
        QCOMPARE(dialog.LbEntries->count(), 1);
        QCOMPARE(dialog.LbEntries->item(0)->text(), QStringLiteral("Потом = Пот+ом"));
        QVERIFY(dictionary.Find(QStringLiteral("потом")));
    }
};

QTEST_MAIN(TestPronunciationDialog)
#include "tst_PronunciationDialog.moc"
