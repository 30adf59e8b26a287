#include "testsupport/ScriptedVoices.h"
#include "testsupport/TestTexts.h"
#include "testsupport/Named.h"
#include "app/Dialogs.h"
#include "testsupport/app/AnsweredMessages.h"
#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "reading/ReadingController.h"
#include "speedreader/SpeedReaderController.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <memory>

// The settings of "Data.dat" and "LastEdit" on the main window's controls, and back.
namespace {

SettingsRecord SavedIn(const QTemporaryDir &folder)
{
    QFile file(folder.filePath("Data.dat"));
    file.open(QIODevice::ReadOnly);
    const auto record = SettingsRecord::FromBytes(file.readAll());
    return record ? *record : SettingsRecord();
}

std::unique_ptr<TLektavo> Open(const QTemporaryDir &folder)
{
    return std::make_unique<TLektavo>(QStringList(), folder.path() + '/', ScriptedVoices().Take());
}

}  // namespace

class TestSettingsInWindow : public QObject {
    Q_OBJECT

private slots:
    // The switches of the program's own live beside "Location", in a test folder here.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        for (const char *key : {"MarkWord", "Abbreviations", "EnglishRuns"})
            QSettings("Lektavo", "Lektavo").remove(key);
    }

    // "Учитывать сокращения" and the English runs of "Правка" are off until switched on, then
    // kept; the reading follows them.
    void theReadingSwitchesAreKept()
    {
        QTemporaryDir folder;
        WriteAll(folder.filePath("Data.dat"), DefaultSettings().Bytes());
        const auto options = [](TLektavo &window) {
            const ReadingController::Options &o = window.Reading().CurrentOptions();
            return QPair(o.KnowAbbreviations, o.EnglishRuns);
        };
        {
            auto window = Open(folder);
            QCOMPARE(options(*window), QPair(false, false));
            Named<QCheckBox>(*window, "CbAbbreviations")->click();
            Named<QAction>(*window, "EnglishRunsClick")->trigger();
            QCOMPARE(options(*window), QPair(true, true));
        }
        auto window = Open(folder);
        QCOMPARE(options(*window), QPair(true, true));
        QVERIFY(Named<QAction>(*window, "EnglishRunsClick")->isChecked());
    }

    // "Подсвечивать слово" is off until it is clicked, then kept for the next run; the word the
    // voice plays is marked on the coloured piece in the highlight text colour.
    void theWordMarkIsSwitchedOnAndKept()
    {
        QTemporaryDir folder;
        SettingsRecord record = DefaultSettings();
        record.SetColour(SettingsField::HighlightTextColor, MakeColorRef(255, 0, 255));
        WriteAll(folder.filePath("Data.dat"), record.Bytes());
        {
            auto window = Open(folder);
            auto *box = Named<QCheckBox>(*window, "CbMarkWord");
            QVERIFY(!box->isChecked());
            QVERIFY(!window->Reading().WordMarking());
            box->click();
            QVERIFY(window->Reading().WordMarking());
        }
        QVERIFY(QSettings("Lektavo", "Lektavo").value("MarkWord").toBool());

        ScriptedVoices voices;
        TLektavo window(QStringList(), folder.path() + '/', voices.Take());
        QVERIFY(Named<QCheckBox>(window, "CbMarkWord")->isChecked());
        auto *re1 = Named<QPlainTextEdit>(window, "Re1");
        re1->setPlainText("Первое слово. Второе.");
        Named<QPushButton>(window, "BtStartSpeaking")->click();
        voices.russian->PlayWord("слово");
        const QList<QTextEdit::ExtraSelection> shown = re1->extraSelections();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].format.foreground().color(), QColor(255, 0, 255));
        QCOMPARE(shown[1].cursor.selectedText(), QString("слово"));
        QCOMPARE(shown[1].format.background().color(), QColor(255, 0, 255));
        QCOMPARE(re1->textCursor().position(), 14);
        Named<QPushButton>(window, "BtStopSpeaking")->click();
        QVERIFY(re1->extraSelections().isEmpty());
    }

    void windowModeAfterAFullScreenStartRestoresTheEarlierWindow_data()
    {
        QTest::addColumn<bool>("maximisedBefore");
        QTest::newRow("normal before") << false;
        QTest::newRow("maximised before") << true;
    }
    void windowModeAfterAFullScreenStartRestoresTheEarlierWindow()
    {
        QFETCH(bool, maximisedBefore);
        QTemporaryDir folder;
        SettingsRecord record = DefaultSettings();
        StorePlacement(record, {{200, 150, 700, 420}, WindowState::Normal, BorderStyle::Sizeable});
        StoreBeforeFullScreen(record, {{200, 150, 700, 420},
                                       maximisedBefore ? WindowState::Maximised : WindowState::Normal,
                                       BorderStyle::Sizeable});
        StorePlacement(record, {{0, 0, 1280, 1024}, WindowState::Maximised, BorderStyle::None});
        WriteAll(folder.filePath("Data.dat"), record.Bytes());

        auto window = Open(folder);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_VERIFY(window->isFullScreen());
        window->Command("mnWindowClick")->trigger();
        QTRY_VERIFY(!window->isFullScreen());
        if (maximisedBefore)
            QTRY_VERIFY(window->isMaximized());
        else
            QTRY_COMPARE(window->geometry(), QRect(200, 150, 700, 420));
    }

    void theStoredAppearanceAndOptionsReachTheControls()
    {
        QTemporaryDir folder;
        SettingsRecord record = DefaultSettings();
        record.SetFont(SettingsField::TextFont,
                       FontToRecord({204, MakeColorRef(10, 20, 30), -27, "DejaVu Sans", 0, 20, FontItalic}));
        record.SetColour(SettingsField::TextBackground, MakeColorRef(1, 2, 3));
        record.SetColour(SettingsField::HighlightBackColor, MakeColorRef(4, 5, 6));
        record.SetColour(SettingsField::HighlightTextColor, MakeColorRef(7, 8, 9));
        record.SetFlag(SettingsField::MnTaCenter, true);
        record.SetOption(OptionField::UpDown1, 7);
        record.SetOption(OptionField::CbLangApart, 0);
        record.SetOption(OptionField::CbAutoActive, 1);
        OptionsRecord options = record.Options();
        options.SetByte(OptionField::RgLangs, 9);
        record.SetOptions(options);
        WriteAll(folder.filePath("Data.dat"), record.Bytes());

        auto window = Open(folder);
        QCOMPARE(Named<QPlainTextEdit>(*window, "Re1")->font().family(), QString("DejaVu Sans"));
        QCOMPARE(Named<QPlainTextEdit>(*window, "Re1")->font().pointSize(), 20);
        QVERIFY(Named<QPlainTextEdit>(*window, "Re1")->font().italic());
        QCOMPARE(Named<QLabel>(*window, "LbTest")->font(), Named<QPlainTextEdit>(*window, "Re1")->font());
        QCOMPARE(Named<QPlainTextEdit>(*window, "Re1")->palette().color(QPalette::Text), QColor(10, 20, 30));
        QCOMPARE(Named<QPlainTextEdit>(*window, "Re1")->palette().color(QPalette::Base), QColor(1, 2, 3));
        QCOMPARE(Named<QWidget>(*window, "PnRe")->palette().color(QPalette::Window), QColor(1, 2, 3));
        QCOMPARE(Named<QLabel>(*window, "LbTest")->palette().color(QPalette::Window), QColor(4, 5, 6));
        QCOMPARE(Named<QLabel>(*window, "LbTest")->palette().color(QPalette::WindowText), QColor(7, 8, 9));
        QVERIFY(window->Command("MnTaCenterClick")->isChecked());
        QCOMPARE(Named<QPlainTextEdit>(*window, "Re1")->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
        QCOMPARE(Named<QSpinBox>(*window, "UpDown1")->value(), 7);
        QVERIFY(!Named<QCheckBox>(*window, "CbLangApart")->isChecked());
        QVERIFY(Named<QCheckBox>(*window, "CbAutoActive")->isChecked());
        QVERIFY(Named<QRadioButton>(*window, "RgLangsItem3")->isChecked());

        window.reset();
        const SettingsRecord saved = SavedIn(folder);
        QCOMPARE(saved.Options().Byte(OptionField::RgLangs), quint8(3));
        QCOMPARE(saved.Options().Int(OptionField::UpDown1), 7);
        QVERIFY(!saved.Options().Flag(OptionField::CbLangApart));
        QCOMPARE(saved.Font(SettingsField::TextFont), record.Font(SettingsField::TextFont));
    }

    void theSpeedReaderSettingsReachItAndComeBack()
    {
        QTemporaryDir folder;
        SettingsRecord record = DefaultSettings();
        record.SetInt(SettingsField::UdLength, 7);
        record.SetInt(SettingsField::UdDelay, 600);
        record.SetFlag(SettingsField::Indicators1, false);
        record.SetFont(SettingsField::DisplayFont,
                       FontToRecord({204, MakeColorRef(200, 100, 50), -32, "DejaVu Serif", 0, 24, 0}));
        OptionsRecord options = record.Options();
        options.SetInt(OptionField::UdLetters, 12);
        options.SetInt(OptionField::UdBack, 0x10005);  // an up-down takes the low 16 bits
        options.SetInt(OptionField::UdComma, 9);        // above the range
        options.SetFlag(OptionField::CbNonStop, true);
        record.SetOptions(options);
        WriteAll(folder.filePath("Data.dat"), record.Bytes());

        auto window = Open(folder);
        const auto spin = [&](const char *name) { return Named<QSpinBox>(*window, name); };
        QCOMPARE(spin("UdLength")->value(), 7);
        QCOMPARE(spin("UdDelay")->value(), 600);
        QCOMPARE(spin("UdLetters")->value(), 12);
        QCOMPARE(spin("UdBack")->value(), 5);
        QCOMPARE(spin("UdComma")->value(), 5);
        QVERIFY(Named<QCheckBox>(*window, "CbNonStop")->isChecked());
        QVERIFY(!window->SpeedReading().Settings().IndicatorsShown);
        QCOMPARE(Named<QWidget>(*window, "PnSR")->font().family(), QString("DejaVu Serif"));
        QCOMPARE(Named<QLabel>(*window, "LbWords")->palette().color(QPalette::WindowText), QColor(200, 100, 50));

        spin("UdDelay")->setValue(1000);
        spin("UdLongWord")->setValue(3);
        window.reset();
        const SettingsRecord saved = SavedIn(folder);
        QCOMPARE(saved.Int(SettingsField::UdLength), 7);
        QCOMPARE(saved.Int(SettingsField::UdDelay), 1000);
        QVERIFY(!saved.Flag(SettingsField::Indicators1));
        QCOMPARE(saved.Options().Int(OptionField::UdBack), 5);
        QCOMPARE(saved.Options().Int(OptionField::UdComma), 5);
        QCOMPARE(saved.Options().Int(OptionField::UdLongWord), 3);
        QVERIFY(saved.Options().Flag(OptionField::CbNonStop));
    }

    // A font and a colour chosen in the window are stored at once, shown at once, and there again
    // at the next start, as is the find bar.
    void appearanceChosenInTheWindowComesBack()
    {
        QTemporaryDir folder;
        {
            Answering font(Dialogs::FontHook, {[](const QFont &) { return std::optional(QFont("DejaVu Serif", 18)); }});
            Answering colour(Dialogs::ColourHook, {[](const QColor &) { return std::optional(QColor(10, 20, 30)); }});
            auto window = Open(folder);
            window->Command("Re1Font1Click")->trigger();
            window->Command("Re1Color1Click")->trigger();
            window->Command("MnFind1Click")->trigger();
            QCOMPARE(window->Settings().Record().Colour(SettingsField::TextBackground), MakeColorRef(10, 20, 30));
            QCOMPARE(Named<QPlainTextEdit>(*window, "Re1")->font().family(), QString("DejaVu Serif"));
            QVERIFY(Named<QWidget>(*window, "PnFind")->isVisibleTo(window.get()));
        }
        const SettingsRecord saved = SavedIn(folder);
        QCOMPARE(saved.Colour(SettingsField::TextBackground), MakeColorRef(10, 20, 30));
        QCOMPARE(FontFromRecord(saved.Font(SettingsField::TextFont)).name, QString("DejaVu Serif"));
        QVERIFY(saved.Flag(SettingsField::MnFind1));

        auto window = Open(folder);
        QCOMPARE(Named<QPlainTextEdit>(*window, "Re1")->font().pointSize(), 18);
        QCOMPARE(Named<QWidget>(*window, "PnRe")->palette().color(QPalette::Window), QColor(10, 20, 30));
        QVERIFY(Named<QWidget>(*window, "PnFind")->isVisibleTo(window.get()));
        QVERIFY(window->Command("MnFind1Click")->isChecked());
    }

    // The highlight colours stored in "Data.dat" are the ones a reading shows.
    void storedHighlightColoursColourAReading()
    {
        QTemporaryDir folder;
        SettingsRecord record = DefaultSettings();
        record.SetColour(SettingsField::HighlightBackColor, MakeColorRef(0, 90, 0));
        record.SetColour(SettingsField::HighlightTextColor, MakeColorRef(255, 0, 255));
        WriteAll(folder.filePath("Data.dat"), record.Bytes());

        auto window = Open(folder);
        auto *re1 = Named<QPlainTextEdit>(*window, "Re1");
        re1->setPlainText("Первое. Второе.");
        Named<QPushButton>(*window, "BtStartSpeaking")->click();
        QCOMPARE(re1->palette().color(QPalette::Base), QColor(0, 90, 0));
        QCOMPARE(re1->extraSelections().size(), 1);
        QCOMPARE(re1->extraSelections().first().format.foreground().color(), QColor(255, 0, 255));
    }

    void theLastTextComesBackWithItsSelection()
    {
        QTemporaryDir folder;
        SettingsRecord record = DefaultSettings();
        record.SetInt(SettingsField::SelStart, 9);
        record.SetInt(SettingsField::SelLength, 3);
        WriteAll(folder.filePath("Data.dat"), record.Bytes());
        WriteAll(folder.filePath("LastEdit"), "\xCF\xF0\xE8\xE2\xE5\xF2.\r\n\xC4\xE0\xE0.");  // 1251

        auto window = Open(folder);
        QCOMPARE(window->Text().Text(), QString("Привет.\r\nДаа."));
        QCOMPARE(window->Text().SelStart(), 9);
        QCOMPARE(window->Text().SelText(), QString("Даа"));
        window->close();
        window.reset();
        QFile lastEdit(folder.filePath("LastEdit"));
        QVERIFY(lastEdit.open(QIODevice::ReadOnly));
        QCOMPARE(lastEdit.readAll(), QString("Привет.\r\nДаа.").toUtf8());
        QCOMPARE(SavedIn(folder).Int(SettingsField::SelStart), 9);
        QCOMPARE(SavedIn(folder).Int(SettingsField::SelLength), 3);
    }
};

QTEST_MAIN(TestSettingsInWindow)
#include "tst_SettingsInWindow.moc"
