#include "testsupport/ScriptedEngine.h"
#include "voices/VoiceCatalogue.h"
#include <QtTest>

namespace {

constexpr int German = 1031;

ScriptedEngine::Voice NeutralVoice(const QString &mode)
{
    ScriptedEngine::Voice voice;
    voice.modeName = mode;
    voice.languageId = German;
    return voice;
}

}

class TestVoiceCatalogue : public QObject {
    Q_OBJECT

private slots:
    void tagsKnownVoices_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("speaker");
        QTest::addColumn<int>("languageId");
        QTest::addColumn<QString>("tag");

        QTest::newRow("unknown voice") << "Voice" << "Maker" << "Product" << "Anna" << German << "";
        QTest::newRow("engine product") << "V" << "M" << "Microsoft Speech Synthesis Engine" << "S" << German << "Eng";
        QTest::newRow("british female") << "Adult Female #1 British English (L&H)" << "M" << "P" << "S" << German << "Eng";
        QTest::newRow("digalo english speaker") << "V" << "M" << "Digalo" << "mary" << German << "Eng";
        QTest::newRow("ibm exactly") << "V" << "ibm" << "P" << "S" << German << "Eng";
        QTest::newRow("ibm with more") << "V" << "IBM Corp" << "P" << "S" << German << "";
        QTest::newRow("manufacturer starting at") << "V" << "at&t" << "P" << "S" << German << "Eng";
        QTest::newRow("russian female mixed case") << "Adult Female #1 Russian (l&H)" << "M" << "P" << "S" << German << "Rus";
        QTest::newRow("digalo russian speaker") << "V" << "M" << "digalo" << "Nicolai" << German << "Rus";
        QTest::newRow("english and russian rule") << "Adult Male #1 Russian (L&H)" << "IBM" << "P" << "S" << German << "Rus";
        QTest::newRow("russian language id") << "Russian" << "M" << "P" << "S" << 1049 << "Rus";
        QTest::newRow("british language id") << "English (Great Britain)" << "M" << "P" << "S" << 0x0809 << "Eng";
        QTest::newRow("russian id beats english rule") << "V" << "IBM" << "P" << "S" << 1049 << "Rus";
        QTest::newRow("english id loses to russian rule") << "V" << "M" << "DIGALO" << "NICOLAI" << 1033 << "Rus";
    }

    void tagsKnownVoices()
    {
        QFETCH(QString, mode);
        QFETCH(QString, manufacturer);
        QFETCH(QString, product);
        QFETCH(QString, speaker);
        QFETCH(int, languageId);
        QFETCH(QString, tag);

        ScriptedEngine engine;
        engine.Voices = {{mode, languageId, manufacturer, product, speaker}};
        VoiceCatalogue catalogue;
        catalogue.LoadSg(engine);
        QCOMPARE(catalogue.RowCount(), 2);
        QCOMPARE(catalogue.At(1).Name, mode);
        QCOMPARE(catalogue.At(1).Tag, tag);
    }

    void upperCasesOnlyLatinLetters()
    {
        QCOMPARE(AsciiUpper(QStringLiteral("adult ё (l&h) zé")), QStringLiteral("ADULT ё (L&H) Zé"));
    }

    void numbersRepeatedNames()
    {
        ScriptedEngine engine;
        for (const char *mode : {"X", "x", "X", "X 2", "X", "Y"})
            engine.Voices << NeutralVoice(mode);
        VoiceCatalogue catalogue;
        catalogue.LoadSg(engine);

        QStringList names;
        for (int row = 1; row < catalogue.RowCount(); ++row)
            names << catalogue.At(row).Name;
        QCOMPARE(names, QStringList({"X", "x", "X 2", "X 2 2", "X 3", "Y"}));
        QVERIFY(catalogue.At(0).Name.isEmpty());
    }

    void listsAtMostThreeHundredVoices()
    {
        ScriptedEngine engine;
        for (int i = 1; i <= 302; ++i)
            engine.Voices << NeutralVoice(QString::number(i));
        VoiceCatalogue catalogue;
        catalogue.LoadSg(engine);
        QCOMPARE(catalogue.RowCount(), 301);
        QCOMPARE(catalogue.At(300).Name, "300");
    }

    void anEngineErrorKeepsTheRowsAlreadyRead()
    {
        ScriptedEngine engine;
        engine.Voices = {NeutralVoice("A"), NeutralVoice("B"), NeutralVoice("C")};
        engine.FailingLanguageOf = 2;
        VoiceCatalogue catalogue;
        QVERIFY_THROWS_EXCEPTION(SpeechError, catalogue.LoadSg(engine));
        QCOMPARE(catalogue.RowCount(), 3);
        QCOMPARE(catalogue.At(2).Name, "B");
        QVERIFY(catalogue.At(2).Tag.isEmpty());
    }

    void noEnginesLeavesOnlyTheEmptyRow()
    {
        ScriptedEngine engine;
        VoiceCatalogue catalogue;
        catalogue.LoadSg(engine);
        QCOMPARE(catalogue.RowCount(), 1);
    }
};

QTEST_APPLESS_MAIN(TestVoiceCatalogue)
#include "tst_VoiceCatalogue.moc"
