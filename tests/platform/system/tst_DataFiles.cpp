#include "platform/system/DataFiles.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A file the program reads is taken from the first folder that holds it: beside the executable,
// in the tree the executable is installed in, in the system's data folders.
class TestDataFiles : public QObject {
    Q_OBJECT

    // An installed tree prefix/bin + prefix/share/lektavo, and two system data folders of which
    // the second has lektavo/.
    struct Folders {
        Folders()
        {
            for (const QString &folder : {Executable(), Tree(), System()})
                QDir().mkpath(folder);
        }
        QString Executable() const { return root.filePath("prefix/bin"); }
        QString Tree() const { return root.filePath("prefix/share/lektavo"); }
        QString System() const { return root.filePath("system/lektavo"); }
        QString Of(const QString &holder) const
        {
            return holder == "executable" ? Executable() : holder == "tree" ? Tree() : System();
        }
        QStringList Searched() const
        {
            return DataFolders(Executable(), {root.filePath("other"), root.filePath("system")});
        }
        QTemporaryDir root;
    };

    static void Write(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html></html>");
    }

private slots:
    void theFirstFolderHoldingTheFileGivesIt_data()
    {
        QTest::addColumn<QStringList>("holders");
        QTest::addColumn<QString>("found");
        QTest::newRow("beside the executable") << QStringList{"executable", "tree", "system"} << "executable";
        QTest::newRow("the installed tree") << QStringList{"tree", "system"} << "tree";
        QTest::newRow("a system data folder") << QStringList{"system"} << "system";
        QTest::newRow("nowhere") << QStringList{} << "";
    }
    void theFirstFolderHoldingTheFileGivesIt()
    {
        QFETCH(QStringList, holders);
        QFETCH(QString, found);
        Folders folders;
        for (const QString &holder : holders)
            Write(folders.Of(holder) + "/Help.html");

        const QString path = FindDataFile("Help.html", folders.Searched());
        QCOMPARE(path, found.isEmpty() ? QString() : folders.Of(found) + "/Help.html");
    }

    void aFolderOfThatNameIsNoFile()
    {
        Folders folders;
        QDir().mkpath(folders.Executable() + "/Help.html");
        Write(folders.System() + "/Help.html");
        QCOMPARE(FindDataFile("Help.html", folders.Searched()), folders.System() + "/Help.html");
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_DataFiles.moc"
