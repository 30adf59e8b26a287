#include "app/PageSwitch.h"
#include "testsupport/TestTexts.h"
#include "platform/qt/QtTextArea.h"
#include "reading/ReadingFixture.h"
#include "reading/TextAreaScrolling.h"
#include "settings/SettingsRecord.h"
#include "speedreader/SpeedReaderController.h"
#include "testsupport/FakeSpeedReaderView.h"
#include "testsupport/FixedWidthMeasurer.h"
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The window around the switch over a real text area: every step is logged, with the state of
// the text area and the scratch file at the moment the word wrap changes.
class LoggingWindow : public PageSwitchWindow {
public:
    LoggingWindow(QPlainTextEdit &edit, const QString &tempPath, const TextEventGate &textEvents)
        : edit(edit), tempPath(tempPath), textEvents(textEvents)
    {
    }

    void StopVoices() override { Log << "voices"; }
    void ShowTextArea(bool shown) override
    {
        Log << (shown ? "show" : "hide");
        edit.setVisible(shown);
    }
    void Repaint() override { Log << "repaint"; }
    void SetWordWrap(bool on) override
    {
        Log << (on ? "wrap" : "nowrap");
        ScratchWhileRewrapping = ReadScratchFile();
        SuppressedWhileRewrapping = textEvents.Suppressed();
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
    const TextEventGate &textEvents;
    QStringList Log;
    QString ScratchWhileRewrapping;
    bool SuppressedWhileRewrapping = false;
    int Lines = 10;
};

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

    // The speed reader shows the group at its position and stops there.
    void ShowOneGroup()
    {
        speedReader.BtStartClick();
        speedReader.BtStopClick();
    }

    QTemporaryDir folder;
    QString tempPath;
    QPlainTextEdit edit;
    QtTextArea area{&edit};
    ReadingFixture reading{area};
    ManualClock clock;
    ManualTimer timer1{&clock}, tmCounting{&clock}, tmClock{&clock};
    FixedWidthMeasurer measurer;
    FakeSpeedReaderView speedReaderView{clock};
    SpeedReaderController speedReader{area, measurer, clock, timer1, tmCounting, tmClock, speedReaderView};
    SettingsRecord record;
    TextEventGate textEvents;
    LoggingWindow window{edit, tempPath, textEvents};
    PageSwitch pageSwitch{{area, reading.controller, speedReader, record, window, textEvents}, tempPath};
};

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
        WriteAll(w.tempPath, "an older scratch file");
        w.reading.clipboard.Content = QStringLiteral("Текст из буфера.");
        if (clipboardReading)
            w.reading.controller.BtStartBufferClick();
        else
            w.reading.controller.BtStartSpeakingClick();
        QVERIFY(w.reading.controller.ReadingActive());

        w.Switch(PageSwitch::TsSettings, PageSwitch::TsSound);
        QVERIFY(!w.reading.controller.ReadingActive());
        QVERIFY(!w.reading.view.Buttons[ReadingButton::StopSpeaking].visible);
        QVERIFY(!w.reading.view.Buttons[ReadingButton::StopBuffer].visible);
        QCOMPARE(w.area.Text(), text);
        QVERIFY(w.edit.document()->isUndoAvailable());
        QCOMPARE(QString::fromUtf8(ReadAll(w.tempPath)), QStringLiteral("an older scratch file"));
        QCOMPARE(w.window.Log, QStringList{"voices"});
        QVERIFY(!w.textEvents.Suppressed());
        QCOMPARE(w.record.Byte(SettingsField::TabIndex), quint8(PageSwitch::TsSound));
    }

    void enteringTheSpeedReaderWithAnEmptyTextStartsItAtTheTop()
    {
        Window w;
        w.SetText(Paragraphs(12, 20));
        w.area.SetSelStart(w.area.LineIndex(5) + 7);
        w.speedReader.TakePositionFromTextArea();
        w.speedReader.UdWrittenClick(37);
        w.SetText(QString());
        QVERIFY(w.speedReader.Chunker().ReadLine() > 0);

        w.Switch(PageSwitch::TsRe, PageSwitch::TsSr);
        QCOMPARE(w.speedReader.Settings().Written, 37);
        QCOMPARE(w.speedReader.Chunker().ReadLine(), 0);
        QCOMPARE(w.speedReader.Chunker().ReadOffset(), 0);
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
        QCOMPARE(w.speedReader.Chunker().ReadLine(), 3);
        QCOMPARE(w.speedReader.Chunker().ReadOffset(), 20);
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
        const QString paragraph = Paragraphs(12, 20).split(QStringLiteral("\r\n"))[3];
        w.area.SetSelStart(w.area.Text().indexOf(paragraph) + 10);
        w.Switch(PageSwitch::TsRe, PageSwitch::TsSr);
        w.ShowOneGroup();

        w.Switch(PageSwitch::TsSr, target);
        QCOMPARE(w.area.SelText(), paragraph.mid(10, 6));
        QCOMPARE(w.area.SelStart(), w.area.Text().indexOf(paragraph) + 10);
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
        QCOMPARE(w.window.Log, QStringList({"voices", "hide", "repaint", "nowrap", "focus", "show"}));
        QCOMPARE(w.window.ScratchWhileRewrapping, text);
        QVERIFY(w.window.SuppressedWhileRewrapping);
        QVERIFY(!w.textEvents.Suppressed());
        QVERIFY(!QFile::exists(w.tempPath));
        QVERIFY(w.edit.isVisible());

        w.window.Log.clear();
        w.Switch(PageSwitch::TsSr, PageSwitch::TsSettings);
        QCOMPARE(w.window.Log, QStringList({"voices", "hide", "repaint", "wrap", "focus", "show"}));
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
        w.area.SetSelStart(w.area.Text().indexOf(QStringLiteral("P120 ")));
        w.Switch(PageSwitch::TsRe, PageSwitch::TsSr);
        w.ShowOneGroup();

        w.Switch(PageSwitch::TsSr, PageSwitch::TsRe);
        QCOMPARE(w.area.SelText(), QStringLiteral("P120"));
        QCOMPARE(w.area.FirstVisibleLine(), 120 - 4);
    }
};

QTEST_MAIN(TestPageSwitch)
#include "tst_PageSwitch.moc"
