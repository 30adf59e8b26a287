#include "app/PageSwitch.h"
#include "platform/qt/QtTextArea.h"
#include "reading/ReadingFixture.h"
#include "reading/TextAreaScrolling.h"
#include "settings/SettingsRecord.h"
#include "speedreader/SpeedReaderController.h"
#include "speedreader/SpeedReaderView.h"
#include "testsupport/FixedWidthMeasurer.h"
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

class QuietSpeedReaderView : public SpeedReaderView {
public:
    void ShowGroup(const QString &) override {}
    void ShowRunning(bool) override {}
    void ShowRates(const QString &, const QString &) override {}
    void ShowIndicators(bool) override {}
    void ShowClock(const QString &) override {}
    void ShowSettings(const SpeedReaderSettings &) override {}
    void FocusTabControl() override {}
    int DisplayWidth() const override { return 1000; }
    bool SpeedReaderTabShown() const override { return true; }
    bool ApplicationActive() const override { return true; }
};

// The window around the switch over a real text area: every step is logged, with the state of
// the text area and the scratch file at the moment the word wrap changes.
class LoggingWindow : public PageSwitchWindow {
public:
    LoggingWindow(QPlainTextEdit &edit, const QString &tempPath, const bool &suppressed)
        : edit(edit), tempPath(tempPath), suppressed(suppressed)
    {
    }

    void StopVoices() override { Log << "voices"; }
    void ShowTextArea(bool shown) override
    {
        Log << (shown ? "show" : "hide");
        edit.setVisible(shown);
    }
    void ProcessEvents() override { Log << "events"; }
    void SetWordWrap(bool on) override
    {
        Log << (on ? "wrap" : "nowrap");
        ScratchWhileRewrapping = ReadScratchFile();
        SuppressedWhileRewrapping = suppressed;
        edit.setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    }
    void FocusTabControl() override { Log << "focus"; }
    int VisibleLineCount() const override { return Lines; }

    QString ReadScratchFile() const
    {
        QFile file(tempPath);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<none>");
    }

    QPlainTextEdit &edit;
    QString tempPath;
    const bool &suppressed;
    QStringList Log;
    QString ScratchWhileRewrapping;
    bool SuppressedWhileRewrapping = false;
    int Lines = 10;
};

// Paragraphs "P<n> " followed by words, long enough to wrap over several lines in a narrow view.
QString Paragraphs(int count, int words)
{
    QStringList paragraphs;
    for (int p = 0; p < count; ++p) {
        QStringList text{QStringLiteral("P%1").arg(p)};
        for (int w = 0; w < words; ++w)
            text << QStringLiteral("слово%1").arg(w);
        paragraphs << text.join(u' ');
    }
    return paragraphs.join(QStringLiteral("\r\n"));
}

struct Window {
    explicit Window(const QString &scratchFile = QStringLiteral("Temp.tmp"))
        : tempPath(folder.filePath(scratchFile))
    {
        edit.resize(220, 200);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
    }

    void SetText(const QString &text)
    {
        area.SetText(text);
        QCoreApplication::processEvents();  // the visible lines are laid out
    }

    // A user's tab change from one tab to another.
    void Switch(int from, int to)
    {
        pageSwitch.PageControl1Changing(from);
        pageSwitch.PageControl1Change(to);
    }

    bool Wrapping() const { return edit.lineWrapMode() == QPlainTextEdit::WidgetWidth; }

    QTemporaryDir folder;
    QString tempPath;
    QPlainTextEdit edit;
    QtTextArea area{&edit};
    ReadingFixture reading{area};
    ManualClock clock;
    ManualTimer timer1{&clock}, tmCounting{&clock}, tmClock{&clock};
    FixedWidthMeasurer measurer;
    QuietSpeedReaderView speedReaderView;
    SpeedReaderController speedReader{area, measurer, clock, timer1, tmCounting, tmClock, speedReaderView};
    SettingsRecord record;
    bool suppressTextEvents = false;
    bool formStarting = false;
    LoggingWindow window{edit, tempPath, suppressTextEvents};
    PageSwitch pageSwitch{{area, reading.controller, reading.view, speedReader, record, window},
                          suppressTextEvents, formStarting, tempPath};
};

QString ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

class TestPageSwitch : public QObject {
    Q_OBJECT
private slots:
    void switchingBetweenTheSettingsTabsStopsAReadingAndLeavesTheText_data()
    {
        QTest::addColumn<bool>("clipboardReading");
        QTest::newRow("reading the text") << false;
        QTest::newRow("watching the clipboard") << true;
    }
    void switchingBetweenTheSettingsTabsStopsAReadingAndLeavesTheText()
    {
        QFETCH(bool, clipboardReading);
        Window w;
        w.SetText(QStringLiteral("Первое предложение. Второе предложение."));
        w.edit.textCursor().insertText(QStringLiteral("Вставка. "));
        const QString text = w.area.Text();
        WriteFile(w.tempPath, "an older scratch file");
        w.reading.clipboard.Content = QStringLiteral("Текст из буфера.");
        if (clipboardReading)
            w.reading.controller.BtStartBufferClick();
        else
            w.reading.controller.BtStartSpeakingClick();
        QVERIFY(w.reading.controller.ReadingActive);

        w.Switch(PageSwitch::TsSettings, PageSwitch::TsSound);
        QVERIFY(!w.reading.controller.ReadingActive);
        QVERIFY(!w.reading.view.ButtonVisible(ReadingButton::StopSpeaking));
        QVERIFY(!w.reading.view.ButtonVisible(ReadingButton::StopBuffer));
        QCOMPARE(w.area.Text(), text);
        QVERIFY(w.edit.document()->isUndoAvailable());
        QCOMPARE(ReadFile(w.tempPath), QStringLiteral("an older scratch file"));
        QCOMPARE(w.window.Log, QStringList{"voices"});
        QVERIFY(!w.suppressTextEvents);
        QCOMPARE(w.record.Byte(SettingsField::TabIndex), quint8(PageSwitch::TsSound));
    }

    void enteringTheSpeedReaderWithAnEmptyTextStartsItAtTheTop()
    {
        Window w;
        w.speedReader.UdWrittenClick(37);
        w.speedReader.Chunker().ReadLine = 5;
        w.speedReader.Chunker().ReadOffset = 7;

        w.Switch(PageSwitch::TsRe, PageSwitch::TsSr);
        QCOMPARE(w.speedReader.Settings().Written, 37);
        QCOMPARE(w.speedReader.Chunker().ReadLine, 0);
        QCOMPARE(w.speedReader.Chunker().ReadOffset, 0);
        QVERIFY(!w.Wrapping());
    }

    // The position counts paragraphs: the text area must be rebuilt without word wrap before the
    // speed reader takes it, although the paragraphs wrap over several lines in the reading tab.
    void enteringTheSpeedReaderReadsOnFromTheSelection()
    {
        Window w;
        w.SetText(Paragraphs(12, 20));
        QVERIFY(w.area.LineCount() > 12);
        const int start = w.area.Text().indexOf(QStringLiteral("P3 ")) + 20;
        w.area.SetSelStart(start);

        w.Switch(PageSwitch::TsRe, PageSwitch::TsSr);
        QCOMPARE(w.speedReader.Chunker().ReadLine, 3);
        QCOMPARE(w.speedReader.Chunker().ReadOffset, 20);
        QCOMPARE(w.speedReader.Settings().Written, 3 * 100 / 12);
        QCOMPARE(w.area.LineCount(), 12);
    }

    void leavingTheSpeedReaderSelectsTheGroupShownLast_data()
    {
        QTest::addColumn<int>("target");
        QTest::newRow("to the reading tab") << int(PageSwitch::TsRe);
        QTest::newRow("to the settings") << int(PageSwitch::TsSettings);
    }
    void leavingTheSpeedReaderSelectsTheGroupShownLast()
    {
        QFETCH(int, target);
        Window w;
        w.SetText(Paragraphs(12, 20));
        w.Switch(PageSwitch::TsRe, PageSwitch::TsSr);
        WordChunker &chunker = w.speedReader.Chunker();
        chunker.ReadLine = 3;
        chunker.ReadOffset = 20;
        chunker.GroupSpan = 5;

        w.Switch(PageSwitch::TsSr, target);
        const QString paragraph = Paragraphs(12, 20).split(QStringLiteral("\r\n"))[3];
        QCOMPARE(w.area.SelText(), paragraph.mid(15, 5));
        QCOMPARE(w.area.SelStart(), w.area.Text().indexOf(paragraph) + 15);
        QVERIFY(w.Wrapping());
    }

    // The scratch file holds the text while the area is rebuilt hidden, with the text events
    // suppressed, and is gone afterwards.
    void theRebuildRunsHiddenWithTheTextInTheScratchFile()
    {
        Window w;
        const QString text = Paragraphs(5, 4) + QStringLiteral(" ёЁ ∑ 😀");
        w.SetText(text);
        w.Switch(PageSwitch::TsRe, PageSwitch::TsSr);
        QCOMPARE(w.window.Log, QStringList({"voices", "hide", "events", "nowrap", "focus", "show"}));
        QCOMPARE(w.window.ScratchWhileRewrapping, text);
        QVERIFY(w.window.SuppressedWhileRewrapping);
        QVERIFY(!w.suppressTextEvents);
        QVERIFY(!QFile::exists(w.tempPath));
        QVERIFY(w.edit.isVisible());

        w.window.Log.clear();
        w.Switch(PageSwitch::TsSr, PageSwitch::TsSettings);
        QCOMPARE(w.window.Log, QStringList({"voices", "hide", "events", "wrap", "focus", "show"}));
        QVERIFY(!QFile::exists(w.tempPath));
    }

    void aScratchFileThatCannotBeWrittenCostsNothing()
    {
        Window w(QStringLiteral("missing/Temp.tmp"));
        const QString text = Paragraphs(5, 30);
        w.SetText(text);
        w.area.SetSelStart(40);
        w.area.SetSelLength(6);

        w.Switch(PageSwitch::TsRe, PageSwitch::TsSr);
        QCOMPARE(w.area.Text(), text);
        QVERIFY(!w.Wrapping());
        w.Switch(PageSwitch::TsSr, PageSwitch::TsRe);
        QCOMPARE(w.area.Text(), text);
        QCOMPARE(w.area.SelStart(), 40);
        QCOMPARE(w.area.SelLength(), 6);
    }

    // A round trip through the speed reader leaves the user's edits undoable and adds no edit of
    // its own.
    void theUndoHistorySurvivesARoundTrip()
    {
        Window w;
        w.SetText(Paragraphs(5, 4));
        const QString before = w.area.Text();
        w.edit.moveCursor(QTextCursor::End);
        w.edit.textCursor().insertText(QStringLiteral(" дописано"));

        w.Switch(PageSwitch::TsRe, PageSwitch::TsSr);
        w.Switch(PageSwitch::TsSr, PageSwitch::TsRe);
        QVERIFY(w.edit.document()->isUndoAvailable());
        w.edit.undo();
        QCOMPARE(w.area.Text(), before);
        w.edit.undo();
        QCOMPARE(w.area.Text(), before);
    }

    void leavingTheSpeedReaderCentresTheSelection()
    {
        Window w;
        w.window.Lines = 10;
        w.SetText(Paragraphs(200, 1));
        w.Switch(PageSwitch::TsRe, PageSwitch::TsSr);
        w.speedReader.Chunker().ReadLine = 120;
        w.speedReader.Chunker().ReadOffset = 4;
        w.speedReader.Chunker().GroupSpan = 2;

        w.Switch(PageSwitch::TsSr, PageSwitch::TsRe);
        QCOMPARE(w.area.SelText(), QStringLiteral("20"));
        QCOMPARE(w.area.FirstVisibleLine(), 120 - 4);
    }
};

QTEST_MAIN(TestPageSwitch)
#include "tst_PageSwitch.moc"
