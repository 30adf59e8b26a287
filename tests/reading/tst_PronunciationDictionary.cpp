#include "reading/PronunciationDictionary.h"
#include <QTest>

namespace {

QString Shown(const PronunciationEntry &entry)
{
    return entry.key + (entry.forms ? "*" : "") + "=" + entry.reading;
}

QStringList ShownEntries(const PronunciationDictionary &dictionary)
{
    QStringList shown;
    for (const PronunciationEntry &entry : dictionary.Entries())
        shown << Shown(entry);
    return shown;
}

const QString EveryKind = QStringLiteral(
    "# ударения\n"
    "пот+ом\n"
    "  всё  \n"
    "ЮНЕСКО = юнэско\n"
    "Пушкин*=П+ушкин\n"
    "\n"
    "без знака равенства и смысла\n"  // 7: two words
    "потом\n"                          // 8: nothing said about the word
    "=пусто\n"                         // 9
    "зам+к\n"                          // 10: "+" before a consonant
    "м+ол+око\n"                       // 11: two stresses
    "замок=з+амок\r\n");

} // namespace

class TestPronunciationDictionary : public QObject {
    Q_OBJECT
private slots:
    void readsEveryKindAndReportsTheBadLines()
    {
        QList<int> bad;
        const auto dictionary = PronunciationDictionary::Parse(EveryKind, &bad);
        QCOMPARE(ShownEntries(dictionary), (QStringList{QStringLiteral("потом=пот+ом"), QStringLiteral("всё=всё"),
                                                        QStringLiteral("ЮНЕСКО=юнэско"),
                                                        QStringLiteral("Пушкин*=П+ушкин"),
                                                        QStringLiteral("замок=з+амок")}));
        QCOMPARE(bad, (QList<int>{7, 8, 9, 10, 11}));
        QCOMPARE(ShownEntries(PronunciationDictionary::Parse(dictionary.ToText())), ShownEntries(dictionary));
    }

    void findsWholeWordsInAnyCaseAndTheForms_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("entry");
        QTest::newRow("own case") << QStringLiteral("потом") << QStringLiteral("потом=пот+ом");
        QTest::newRow("capitals") << QStringLiteral("ПОТОМ") << QStringLiteral("потом=пот+ом");
        QTest::newRow("е for ё") << QStringLiteral("Все") << QStringLiteral("всё=всё");
        QTest::newRow("not a part of a word") << QStringLiteral("потомок") << QString();
        QTest::newRow("a form") << QStringLiteral("Пушкиным") << QStringLiteral("Пушкин*=П+ушкин");
        QTest::newRow("the word itself of a forms key") << QStringLiteral("пушкин") << QStringLiteral("Пушкин*=П+ушкин");
        QTest::newRow("the longest forms key") << QStringLiteral("Пушкинский") << QStringLiteral("Пушкинск*=П+ушкинск");
        QTest::newRow("the word's own key first") << QStringLiteral("Пушкина") << QStringLiteral("Пушкина=Пушк+ина");
        QTest::newRow("Latin capitals") << QStringLiteral("Unesco") << QStringLiteral("UNESCO=юнэско");
        QTest::newRow("a letter of neither alphabet") << QStringLiteral("ЇЖАК") << QStringLiteral("їжак=їж+ак");
    }
    void findsWholeWordsInAnyCaseAndTheForms()
    {
        QFETCH(QString, word);
        QFETCH(QString, entry);
        const auto dictionary = PronunciationDictionary::Parse(
            EveryKind + QStringLiteral("Пушкинск*=П+ушкинск\nПушкина=Пушк+ина\nUNESCO=юнэско\nїжак=їж+ак\n"));
        const PronunciationEntry *found = dictionary.Find(word);
        QCOMPARE(found ? Shown(*found) : QString(), entry);
    }

    // The book's entry wins over the one for every text with the same key.
    void theBookScopeComesFirst()
    {
        const auto everyText = PronunciationDictionary::Parse(QStringLiteral("замок=з+амок\nпотом=пот+ом\n"));
        const auto book = PronunciationDictionary::Parse(QStringLiteral("ЗАМОК=зам+ок\n"));
        const auto combined = PronunciationDictionary::Combined(book, everyText);
        QCOMPARE(Shown(*combined.Find(QStringLiteral("замок"))), QStringLiteral("ЗАМОК=зам+ок"));
        QCOMPARE(Shown(*combined.Find(QStringLiteral("потом"))), QStringLiteral("потом=пот+ом"));
        QCOMPARE(combined.Entries().size(), 2);
    }

    // The word's own case stays; a respelling replaces the letters a forms key covers.
    void pronouncesEachKind_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<int>("stressedVowel");
        QTest::newRow("stress") << QStringLiteral("Потом") << QStringLiteral("Пот+ом") << QStringLiteral("Потом") << 1;
        QTest::newRow("ё") << QStringLiteral("ВСЕ") << QStringLiteral("ВСЁ") << QStringLiteral("ВСЁ") << 0;
        QTest::newRow("respelling") << QStringLiteral("ЮНЕСКО") << QStringLiteral("юнэско") << QStringLiteral("юнэско")
                                    << -1;
        QTest::newRow("a form") << QStringLiteral("Пушкиным") << QStringLiteral("П+ушкиным")
                                << QStringLiteral("Пушкиным") << 0;
    }
    void pronouncesEachKind()
    {
        QFETCH(QString, word);
        QFETCH(QString, marked);
        QFETCH(QString, plain);
        QFETCH(int, stressedVowel);
        const auto dictionary = PronunciationDictionary::Parse(EveryKind);
        const SpokenWord spoken = Pronounce(word, *dictionary.Find(word));
        QCOMPARE(spoken.text, marked);
        QCOMPARE(spoken.Plain(), plain);
        QCOMPARE(spoken.stressedVowel, stressedVowel);
    }

    // The words a voice reports in what it was given are told where they stand in the piece.
    void aPieceKeepsItsPositions()
    {
        const auto dictionary = PronunciationDictionary::Parse(EveryKind);
        const QString piece = QStringLiteral("Потом ЮНЕСКО и всё, потом.");
        const SpokenPiece spoken =
            ApplyPronunciation(piece, dictionary, [](const SpokenWord &word) { return word.text; });
        QCOMPARE(spoken.text, QStringLiteral("Пот+ом юнэско и всё, пот+ом."));
        QCOMPARE(spoken.PieceSpan(0, 6), std::pair(0, 5));    // "Пот+ом"
        QCOMPARE(spoken.PieceSpan(7, 6), std::pair(6, 6));    // "юнэско"
        QCOMPARE(spoken.PieceSpan(14, 1), std::pair(13, 1));  // "и"
        QCOMPARE(spoken.PieceSpan(21, 6), std::pair(20, 5));  // the second "пот+ом"
        QCOMPARE(spoken.PieceSpan(27, 1), std::pair(25, 1));  // "."
    }
};

QTEST_APPLESS_MAIN(TestPronunciationDictionary)
#include "tst_PronunciationDictionary.moc"
