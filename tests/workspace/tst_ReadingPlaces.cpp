#include "workspace/ReadingPlaces.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Hash = ReadingPlaces::HashOf("Текст книги.");

QString Book(int number)
{
    return QStringLiteral("/книги/Книга %1.epub").arg(number);
}

bool WriteFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class TestReadingPlaces : public QObject {
    Q_OBJECT
private slots:
    void aPlaceOutlivesTheRun()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Places.json");
        QVERIFY(ReadingPlaces(path).Remember(Book(1), Hash, {120, 7, 300}));
        const ReadingPlaces nextRun(path);
        QCOMPARE(nextRun.Find(Book(1), Hash), (ReadingPlace{120, 7, 300}));
        QCOMPARE(nextRun.Find(Book(1), ReadingPlaces::HashOf("Текст книги, исправленный.")), std::nullopt);
        QCOMPARE(nextRun.Find(Book(2), Hash), std::nullopt);
    }

    void aNewTextAtThePathReplacesTheOldPlace()
    {
        QTemporaryDir folder;
        ReadingPlaces places(folder.filePath("Places.json"));
        const QByteArray edited = ReadingPlaces::HashOf("Другой текст.");
        places.Remember(Book(1), Hash, {5, 0, 5});
        places.Remember(Book(1), edited, {9, 0, 9});
        QCOMPARE(places.Find(Book(1), Hash), std::nullopt);
        QCOMPARE(places.Find(Book(1), edited), (ReadingPlace{9, 0, 9}));
    }

    void theBookLeftLongestAgoGoesFirst()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Places.json");
        ReadingPlaces places(path);
        for (int book = 0; book < ReadingPlaces::Capacity; ++book)
            places.Remember(Book(book), Hash, {book, 0, 0});
        places.Remember(Book(0), Hash, {1000, 0, 0});  // left again: the newest now
        places.Remember(Book(ReadingPlaces::Capacity), Hash, {1, 0, 0});
        const ReadingPlaces nextRun(path);
        QCOMPARE(nextRun.Find(Book(1), Hash), std::nullopt);
        QCOMPARE(nextRun.Find(Book(0), Hash), (ReadingPlace{1000, 0, 0}));
        QCOMPARE(nextRun.Find(Book(2), Hash), (ReadingPlace{2, 0, 0}));
        QCOMPARE(nextRun.Find(Book(ReadingPlaces::Capacity), Hash), (ReadingPlace{1, 0, 0}));
        QVERIFY(QFile(path).size() < 100 * 1024);
    }

    // A book's own pronunciation entries outlive an edit of its text and a new place, and a book
    // that keeps entries is dropped only after every one without them.
    void aBooksPronunciationStaysWithIt()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Places.json");
        ReadingPlaces places(path);
        QVERIFY(places.KeepPronunciation(Book(0), Hash, QStringLiteral("замок=зам+ок\n")));
        QCOMPARE(places.Find(Book(0), Hash), (ReadingPlace{}));
        places.Remember(Book(0), ReadingPlaces::HashOf("Исправленный текст."), {7, 0, 7});
        for (int book = 1; book <= ReadingPlaces::Capacity; ++book)
            places.Remember(Book(book), Hash, {book, 0, 0});
        const ReadingPlaces nextRun(path);
        QCOMPARE(nextRun.Pronunciation(Book(0)), QStringLiteral("замок=зам+ок\n"));
        QCOMPARE(nextRun.Find(Book(0), ReadingPlaces::HashOf("Исправленный текст.")), (ReadingPlace{7, 0, 7}));
        QCOMPARE(nextRun.Find(Book(1), Hash), std::nullopt);
        QCOMPARE(nextRun.Pronunciation(Book(2)), QString());
    }

    void aStoreThatMakesNoSenseIsIgnoredAndReplaced_data()
    {
        QTest::addColumn<QByteArray>("store");
        const QByteArray entry = R"({"path":"/книги/Книга 1.epub","hash":")" + Hash + R"(","selStart":3,"selLength":0,"speedReader":3})";
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x00\xff\x13garbage", 10);
        QTest::newRow("cut short") << (R"({"places":[)" + entry).left(60);
        QTest::newRow("not an object") << QByteArray("[1,2,3]");
        QTest::newRow("a negative position") << QByteArray(entry).replace("\"selStart\":3", "\"selStart\":-3").prepend(R"({"places":[)").append("]}");
        QTest::newRow("a fraction") << QByteArray(entry).replace("\"selStart\":3", "\"selStart\":3.5").prepend(R"({"places":[)").append("]}");
        QTest::newRow("a string for a number") << QByteArray(entry).replace("\"selStart\":3", "\"selStart\":\"3\"").prepend(R"({"places":[)").append("]}");
        QTest::newRow("a number for entries") << QByteArray(entry).replace("\"speedReader\":3", "\"speedReader\":3,\"pronunciation\":5").prepend(R"({"places":[)").append("]}");
        QTest::newRow("no path") << QByteArray(entry).replace("\"path\"", "\"pad\"").prepend(R"({"places":[)").append("]}");
    }
    void aStoreThatMakesNoSenseIsIgnoredAndReplaced()
    {
        QFETCH(QByteArray, store);
        QTemporaryDir folder;
        const QString path = folder.filePath("Places.json");
        QVERIFY(WriteFile(path, store));
        ReadingPlaces places(path);
        QCOMPARE(places.Find(Book(1), Hash), std::nullopt);
        QVERIFY(places.Remember(Book(2), Hash, {4, 1, 4}));
        QCOMPARE(ReadingPlaces(path).Find(Book(2), Hash), (ReadingPlace{4, 1, 4}));
    }

    void aStoreThatCannotBeWrittenFailsQuietly()
    {
        QTemporaryDir folder;
        QVERIFY(WriteFile(folder.filePath("file"), "x"));
        ReadingPlaces places(folder.filePath("file/Places.json"));
        QVERIFY(!places.Remember(Book(1), Hash, {1, 0, 1}));
        QCOMPARE(places.Find(Book(1), Hash), (ReadingPlace{1, 0, 1}));  // for the rest of the run
    }
};

QTEST_GUILESS_MAIN(TestReadingPlaces)
#include "tst_ReadingPlaces.moc"
