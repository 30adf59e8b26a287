#include "platform/TDirectSS.h"
#include "testsupport/MemoryClipboard.h"
#include "testsupport/MemoryTextArea.h"
#include "workspace/EditingCommands.h"
#include "workspace/EditingView.h"
#include <QTest>

namespace {

// The find field as text with a focus flag; every other call of the view is logged.
class FieldView : public EditingView {
public:
    bool FindFieldFocused() const override { return focused; }
    void SelectAllInFindField() override { log << "field: select all"; }
    void CutFromFindField() override { log << "field: cut"; }
    void CopyFromFindField() override { log << "field: copy"; }
    void PasteIntoFindField(const QString &text) override { field += text; }
    void FocusTextArea() override { log << "focus text"; }
    void ShowBusy(bool busy) override { log << (busy ? "busy" : "idle"); }

    bool focused = false;
    QString field;
    QStringList log;
};

struct Editing {
    explicit Editing(const QString &text) : area(text) {}

    MemoryTextArea area;
    MemoryClipboard clipboard;
    FieldView view;
    int fullStops = 0;
    EditingCommands commands{area, clipboard, view, [this] { ++fullStops; }};

    void Select(int start, int length)
    {
        area.SetSelStart(start);
        area.SetSelLength(length);
    }
};

} // namespace

class TestEditingCommands : public QObject {
    Q_OBJECT
private slots:
    void selectAllSelectsAllOrNothingInTurn()
    {
        Editing e("Одна строка.\r\nДругая.");
        e.Select(3, 2);
        e.commands.SelectAll1Click();
        QCOMPARE(e.area.SelLength(), e.area.TextLength());
        e.commands.SelectAll1Click();
        QCOMPARE(e.area.SelStart(), 0);
        QCOMPARE(e.area.SelLength(), 0);
        QCOMPARE(e.view.log, (QStringList{"focus text", "focus text"}));
    }

    // The clipboard gets the system's line breaks; a paste takes the clipboard's plain text in
    // place of the selection, and nothing selected leaves the clipboard alone.
    void cutCopyAndPasteOnTheText()
    {
        Editing e("раз\r\nдва три");
        e.clipboard.Content = "прежнее";
        e.commands.Copy1Click();
        e.commands.Cut1Click();
        QCOMPARE(e.clipboard.Content, "прежнее");

        e.Select(0, 8);
        e.commands.Copy1Click();
        QCOMPARE(e.clipboard.Content, "раз\nдва");
        e.commands.Cut1Click();
        QCOMPARE(e.area.Text(), " три");

        e.clipboard.Content = "один\nи два";
        e.commands.Paste1Click();
        QCOMPARE(e.area.Text(), "один\r\nи два три");
        QCOMPARE(e.area.SelStart(), 11);
    }

    void theActionsServeTheFindFieldWhileItHasTheFocus_data()
    {
        QTest::addColumn<bool>("fieldFocused");
        QTest::newRow("find field focused") << true;
        QTest::newRow("text focused") << false;
    }
    void theActionsServeTheFindFieldWhileItHasTheFocus()
    {
        QFETCH(bool, fieldFocused);
        Editing e("слово");
        e.view.focused = fieldFocused;
        e.clipboard.Content = "вставка";
        e.commands.AcSelectAllExecute();
        e.commands.AcCopyExecute();
        e.commands.AcCutExecute();
        e.commands.AcPasteExecute();
        if (fieldFocused) {
            QCOMPARE(e.view.log, (QStringList{"field: select all", "field: copy", "field: cut"}));
            QCOMPARE(e.view.field, "вставка");
            QCOMPARE(e.area.Text(), "слово");
        } else {
            // All of it selected, copied, cut and pasted back.
            QCOMPARE(e.view.log, QStringList{"focus text"});
            QVERIFY(e.view.field.isEmpty());
            QCOMPARE(e.clipboard.Content, "слово");
            QCOMPARE(e.area.Text(), "слово");
            QCOMPARE(e.area.SelStart(), 5);
        }
    }

    void cleanUpRewritesTheWholeText()
    {
        Editing e("Быстро-\r\nчтение\r\nважно.");
        e.commands.DelMin1Click();
        QCOMPARE(e.fullStops, 1);
        QCOMPARE(e.area.Text(), "Быстрочтение\r\nважно.\r\n");
        Editing judged("по-\r\nанглийски");
        judged.commands.JudgeForHyphens = [] { return HyphenJudge([](QStringView, QStringView) { return true; }); };
        judged.commands.DelMin1Click();
        QCOMPARE(judged.area.Text(), "по-английски\r\n");

        Editing split("Привет. Как дела? Хорошо!");
        split.commands.Sentences1Click();
        QCOMPARE(split.area.Text(), "Привет.\r\n\r\nКак дела?\r\n\r\nХорошо!");
        QCOMPARE(split.view.log, (QStringList{"busy", "idle"}));
        QCOMPARE(split.fullStops, 0);
    }

    // The text stays and the pointer comes back when splitting fails part-way.
    void aFailingSplitLeavesTheText()
    {
        struct FailingArea : MemoryTextArea {
            using MemoryTextArea::MemoryTextArea;
            void ReplaceText(const QString &) override { throw SpeechError("no room"); }
        };
        FailingArea area("Один. Два.");
        MemoryClipboard clipboard;
        FieldView view;
        EditingCommands commands(area, clipboard, view, [] {});
        commands.Sentences1Click();
        QCOMPARE(area.Text(), "Один. Два.");
        QCOMPARE(view.log, (QStringList{"busy", "idle"}));
    }
};

QTEST_GUILESS_MAIN(TestEditingCommands)
#include "tst_EditingCommands.moc"
