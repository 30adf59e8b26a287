#include "settings/SettingsControls.h"
#include "settings/SettingsRecord.h"
#include "workspace/AppearanceCommands.h"
#include "workspace/AppearanceDialogs.h"
#include <QTest>

namespace {

// Dialogs answered by the test: the next answer, or a cancel; what each started from is kept.
class AnsweredDialogs : public AppearanceDialogs {
public:
    std::optional<FontDescription> ChooseFont(const FontDescription &current) override
    {
        startedFrom << current.name;
        return font;
    }
    std::optional<ColorRef> ChooseColour(ColorRef current) override
    {
        startedFrom << QString::number(current);
        return colour;
    }
    std::optional<FontDescription> font;
    std::optional<ColorRef> colour;
    QStringList startedFrom;
};

struct Appearance {
    Appearance()
    {
        for (SettingsField field : {SettingsField::TextFont, SettingsField::DisplayFont})
            controls.fonts[field] = [this, field](const FontDescription &font) { shownFonts[field] = font; };
        for (SettingsField field : {SettingsField::TextBackground, SettingsField::DisplayBackground,
                                    SettingsField::HighlightTextColor, SettingsField::HighlightBackColor})
            controls.colours[field] = [this, field](ColorRef colour) { shownColours[field] = colour; };
    }

    SettingsRecord record = DefaultSettings();
    SettingsControls controls;
    AnsweredDialogs dialogs;
    AppearanceCommands commands{record, controls, dialogs};
    std::map<SettingsField, FontDescription> shownFonts;
    std::map<SettingsField, ColorRef> shownColours;
};

const FontDescription Chosen{204, MakeColorRef(1, 2, 3), -20, "DejaVu Serif", 0, 15, FontItalic};

} // namespace

class TestAppearanceCommands : public QObject {
    Q_OBJECT
private slots:
    void aChosenColourIsStoredAndShown_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<SettingsField>("field");
        QTest::newRow("text background") << 0 << SettingsField::TextBackground;
        QTest::newRow("display background") << 1 << SettingsField::DisplayBackground;
        QTest::newRow("highlight text colour") << 2 << SettingsField::HighlightTextColor;
        QTest::newRow("highlight background") << 3 << SettingsField::HighlightBackColor;
    }
    void aChosenColourIsStoredAndShown()
    {
        QFETCH(int, command);
        QFETCH(SettingsField, field);
        Appearance a;
        const ColorRef stored = a.record.Colour(field);
        const auto run = [&] {
            void (AppearanceCommands::*const commands[])() = {
                &AppearanceCommands::Re1Color1Click, &AppearanceCommands::PnColor1Click,
                &AppearanceCommands::IndicatorsColor1Click, &AppearanceCommands::BgHightLight1Click};
            (a.commands.*commands[command])();
        };
        run();  // cancelled
        QCOMPARE(a.record.Colour(field), stored);
        QVERIFY(a.shownColours.empty());

        a.dialogs.colour = MakeColorRef(10, 20, 30);
        run();
        QCOMPARE(a.dialogs.startedFrom, (QStringList{QString::number(stored), QString::number(stored)}));
        QCOMPARE(a.record.Colour(field), MakeColorRef(10, 20, 30));
        QCOMPARE(a.shownColours.at(field), MakeColorRef(10, 20, 30));
    }

    void aChosenFontIsStoredAndShown_data()
    {
        QTest::addColumn<bool>("display");
        QTest::newRow("text font") << false;
        QTest::newRow("display font") << true;
    }
    void aChosenFontIsStoredAndShown()
    {
        QFETCH(bool, display);
        Appearance a;
        const SettingsField field = display ? SettingsField::DisplayFont : SettingsField::TextFont;
        a.dialogs.font = Chosen;
        display ? a.commands.PnFont1Click() : a.commands.Re1Font1Click();
        QCOMPARE(a.dialogs.startedFrom, QStringList{"Bookman Old Style"});
        QCOMPARE(FontFromRecord(a.record.Font(field)), Chosen);
        QCOMPARE(a.shownFonts.at(field), Chosen);
    }

    // The display font's colour is chosen apart and stored with the rest of the font.
    void theDisplayFontColourChangesOnlyTheColour()
    {
        Appearance a;
        const FontDescription before = FontFromRecord(a.record.Font(SettingsField::DisplayFont));
        a.dialogs.colour = MakeColorRef(200, 100, 0);
        a.commands.PnFontColor1Click();
        FontDescription expected = before;
        expected.colour = MakeColorRef(200, 100, 0);
        QCOMPARE(a.dialogs.startedFrom, QStringList{QString::number(before.colour)});
        QCOMPARE(FontFromRecord(a.record.Font(SettingsField::DisplayFont)), expected);
        QCOMPARE(a.shownFonts.at(SettingsField::DisplayFont), expected);
    }
};

QTEST_GUILESS_MAIN(TestAppearanceCommands)
#include "tst_AppearanceCommands.moc"
