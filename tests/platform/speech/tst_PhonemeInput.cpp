#include "platform/speech/PhonemeInput.h"
#include <QTest>

class TestPhonemeInput : public QObject {
    Q_OBJECT
private slots:
    void movesTheStress_data()
    {
        QTest::addColumn<QString>("phonemes");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("vowel");
        QTest::addColumn<QString>("moved");
        QTest::newRow("to the second vowel") << "p'otVm" << QStringLiteral("потом") << 1 << "pVt'om";
        QTest::newRow("to the first vowel") << "zam'ok" << QStringLiteral("замок") << 0 << "z'amVk";
        QTest::newRow("where it was") << "mVlVk'o" << QStringLiteral("молоко") << 2 << "mVlVk'o";
        QTest::newRow("е and я reduce to i") << "z;il;'8nyj" << QStringLiteral("зелёный") << 0 << "z;'el;inyj";
        QTest::newRow("vowels that do not match") << "p'otVm" << QStringLiteral("потомок") << 1 << "";
        QTest::newRow("a vowel the word lacks") << "p'otVm" << QStringLiteral("потом") << 2 << "";
    }
    void movesTheStress()
    {
        QFETCH(QString, phonemes);
        QFETCH(QString, word);
        QFETCH(int, vowel);
        QFETCH(QString, moved);
        QCOMPARE(MoveStress(phonemes, word, vowel), moved);
    }

    // Only a "+" between a letter and a vowel marks a word; the words the engine reports inside
    // the phonemes are the marked words of the text given.
    void marksBecomePhonemeInput()
    {
        const auto transcribe = [](const QString &word) {
            return word == QStringLiteral("Потом") ? QStringLiteral("p'otVm") : QStringLiteral("x");
        };
        const QString text = QStringLiteral("Пот+ом 2+2 и з+амок.");
        const PhonemeInput input = WithPhonemeInput(text, transcribe);
        QCOMPARE(input.text, QStringLiteral("[[pVt'om]] 2+2 и замок."));
        QCOMPARE(input.Original(3, 3), std::pair(0, 6));
        QCOMPARE(input.Original(15, 1), std::pair(11, 1));  // "и"
        QCOMPARE(input.Original(17, 5), std::pair(13, 6));  // "з+амок" read as written
        QCOMPARE(input.Original(22, 1), std::pair(19, 1));
    }
};

QTEST_APPLESS_MAIN(TestPhonemeInput)
#include "tst_PhonemeInput.moc"
