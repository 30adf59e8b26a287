#include "workspace/MenuRules.h"
#include <QTest>

namespace {

MenuFacts ReadingTabWith(const QString &text)
{
    MenuFacts facts;
    facts.textEmpty = text.isEmpty();
    facts.textBlank = text.trimmed().isEmpty();
    return facts;
}

// "name:shown/enabled/checked" for the named items, as the rules leave them.
QStringList States(const QString &menu, const MenuFacts &facts, const QStringList &items)
{
    const auto states = MenuItemStates(menu, facts);
    QStringList shown;
    for (const QString &item : items) {
        const MenuItemState s = states.value(item);
        shown << item + ':' + (s.visible ? "" : "hidden,") + (s.enabled ? "on" : "off") + (s.checked ? ",checked" : "");
    }
    return shown;
}

} // namespace

class TestMenuRules : public QObject {
    Q_OBJECT
private slots:
    void fileAndEditFollowTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("edit");
        QTest::newRow("blanks and line breaks only") << QString(" \r\n\t ")
            << QStringList{"SaveToFile1:off", "SaveAsAudio1:off", "Clear1:on"} << QStringList{"Sentences1:off", "SelectAll2:on"};
        QTest::newRow("empty") << QString()
            << QStringList{"SaveToFile1:off", "SaveAsAudio1:off", "Clear1:off"} << QStringList{"Sentences1:off", "SelectAll2:off"};
        QTest::newRow("words") << QString("Слово.")
            << QStringList{"SaveToFile1:on", "SaveAsAudio1:on", "Clear1:on"} << QStringList{"Sentences1:on", "SelectAll2:on"};
    }
    void fileAndEditFollowTheText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, file);
        QFETCH(QStringList, edit);
        const MenuFacts facts = ReadingTabWith(text);
        QCOMPARE(States("MnFile", facts, {"SaveToFile1", "SaveAsAudio1", "Clear1"}), file);
        QCOMPARE(States("MnEdit1", facts, {"Sentences1", "SelectAll2"}), edit);
    }

    void theEnglishRunsItemShowsTheSwitch()
    {
        MenuFacts facts = ReadingTabWith("");
        QCOMPARE(States("MnEdit1", facts, {"EnglishRuns1"}), QStringList{"EnglishRuns1:on"});
        facts.englishRuns = true;
        QCOMPARE(States("MnEdit1", facts, {"EnglishRuns1"}), QStringList{"EnglishRuns1:on,checked"});
    }

    // Without text in the clipboard (empty, or a picture) nothing offers to load or paste it.
    void anEmptyClipboardOffersNothingToPaste()
    {
        MenuFacts facts = ReadingTabWith("Текст");
        const QList<QPair<QString, QString>> items = {{"MnFile", "LoadFromClipboard1"}, {"MnEdit1", "Paste2"},
                                                      {"Pu1", "Paste1"}, {"Pu1", "LoadFromClipboard3"},
                                                      {"Pu2", "Paste22"}, {"Pu3", "LoadFromClipboard2"}};
        for (bool hasText : {false, true}) {
            facts.clipboardHasText = hasText;
            for (const auto &[menu, item] : items)
                QCOMPARE(MenuItemStates(menu, facts).value(item).enabled, hasText);
        }
    }

    void viewOnEachTab_data()
    {
        QTest::addColumn<bool>("readingTab");
        QTest::addColumn<bool>("speedReaderTab");
        QTest::addColumn<QStringList>("view");
        QTest::newRow("reading tab") << true << false
            << QStringList{"mnWindow:hidden,on", "mnScreen:on", "Re1Font1:on", "MnTaCenter:on,checked",
                           "HighLite1:on", "PnFont1:hidden,on", "Indicators1:hidden,on,checked"};
        QTest::newRow("speed reader") << false << true
            << QStringList{"mnWindow:hidden,on", "mnScreen:on", "Re1Font1:hidden,on", "MnTaCenter:hidden,on,checked",
                           "HighLite1:hidden,on", "PnFont1:on", "Indicators1:on,checked"};
        QTest::newRow("settings or sound") << false << false
            << QStringList{"mnWindow:hidden,on", "mnScreen:on", "Re1Font1:hidden,on", "MnTaCenter:hidden,on,checked",
                           "HighLite1:hidden,on", "PnFont1:hidden,on", "Indicators1:hidden,on,checked"};
    }
    void viewOnEachTab()
    {
        QFETCH(bool, readingTab);
        QFETCH(bool, speedReaderTab);
        QFETCH(QStringList, view);
        MenuFacts facts = ReadingTabWith("Текст");
        facts.readingTab = readingTab;
        facts.speedReaderTab = speedReaderTab;
        facts.textCentred = true;
        QCOMPARE(States("mnView", facts, {"mnWindow", "mnScreen", "Re1Font1", "MnTaCenter", "HighLite1", "PnFont1",
                                          "Indicators1"}),
                 view);
        QCOMPARE(EditMenuShown(facts), readingTab);
        facts.fullScreen = true;
        QCOMPARE(States("mnView", facts, {"mnWindow", "mnScreen"}), (QStringList{"mnWindow:on", "mnScreen:hidden,on"}));
    }

    void theFindFieldsMenu_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("empty") << QString() << 0 << QStringList{"SelectAll22:off", "Cut22:off", "Copy22:off"};
        QTest::newRow("all selected") << QString("мир") << 3 << QStringList{"SelectAll22:off", "Cut22:on", "Copy22:on"};
        QTest::newRow("part selected") << QString("мир") << 1 << QStringList{"SelectAll22:on", "Cut22:on", "Copy22:on"};
        QTest::newRow("nothing selected") << QString("мир") << 0 << QStringList{"SelectAll22:on", "Cut22:off", "Copy22:off"};
    }
    void theFindFieldsMenu()
    {
        QFETCH(QString, field);
        QFETCH(int, selected);
        QFETCH(QStringList, items);
        MenuFacts facts = ReadingTabWith("Текст");
        facts.findField = field;
        facts.findFieldSelected = selected;
        QCOMPARE(States("Pu2", facts, {"SelectAll22", "Cut22", "Copy22"}), items);
    }

    void theIndicatorsCheckMarkInBothMenus()
    {
        MenuFacts facts = ReadingTabWith("Текст");
        facts.speedReaderTab = true;
        for (bool shown : {true, false}) {
            facts.indicatorsShown = shown;
            QCOMPARE(MenuItemStates("Pu3", facts).value("Indicators3").checked, shown);
            QCOMPARE(MenuItemStates("mnView", facts).value("Indicators1").checked, shown);
        }
    }
};

QTEST_APPLESS_MAIN(TestMenuRules)
#include "tst_MenuRules.moc"
