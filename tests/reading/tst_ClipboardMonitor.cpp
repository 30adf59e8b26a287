#include "ReadingFixture.h"
#include <QTest>

namespace {

struct Monitor : ReadingFixture {
    explicit Monitor(const QString &text = "Текст. Text.") : ReadingFixture(text1), text1(text)
    {
        ChangeOptions([](ReadingController::Options &o) { o.Langs = LangsForeignAndRussian; });
    }
    MemoryTextArea text1;

    void Copy(const QString &text) { clipboard.Content = text; }
    void Poll() { clock.Advance(tmBuffer.DueAt() - clock.Now); }
    bool ReadingClipboard() const
    {
        return controller.ReadingActive() && !controller.ReadingText() && controller.ReadingTarget() == &re2;
    }
    bool BufferEnabled() const { return view.Buttons[ReadingButton::StartBuffer].enabled; }
};

} // namespace

class TestClipboardMonitor : public QObject {
    Q_OBJECT

private slots:
    void languageFilter_data()
    {
        QTest::addColumn<int>("langs");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        const QString english = "Hello", russian = "Привет", digits = "2 + 2";
        QTest::newRow("both: English") << int(LangsForeignAndRussian) << english << true;
        QTest::newRow("both: Russian") << int(LangsForeignAndRussian) << russian << true;
        QTest::newRow("both: digits") << int(LangsForeignAndRussian) << digits << true;
        QTest::newRow("foreign: English") << int(LangsForeign) << english << true;
        QTest::newRow("foreign: Russian") << int(LangsForeign) << russian << false;
        QTest::newRow("foreign: digits are not Russian") << int(LangsForeign) << digits << true;
        QTest::newRow("russian: English") << int(LangsRussian) << english << false;
        QTest::newRow("russian: Russian") << int(LangsRussian) << russian << true;
        QTest::newRow("russian: digits") << int(LangsRussian) << digits << false;
        QTest::newRow("nothing: English") << int(LangsNothing) << english << false;
        QTest::newRow("nothing: Russian") << int(LangsNothing) << russian << false;
    }

    void languageFilter()
    {
        QFETCH(int, langs);
        QFETCH(QString, text);
        QFETCH(bool, read);
        Monitor m;
        m.ChangeOptions([&](ReadingController::Options &o) { o.Langs = langs; });
        m.view.Buttons[ReadingButton::StartBuffer].enabled = false;
        m.Copy(text);
        m.Poll();
        QCOMPARE(m.view.Bar(), read ? "!Вслух Стоп(буфер) Пауза" : "Вслух Буфер !Пауза");
        QCOMPARE(m.ReadingClipboard(), read);
        QCOMPARE(m.Playing().mid(2), read ? text : QString());
    }

    void lengthFilter_data()
    {
        QTest::addColumn<bool>("ignoreLong");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        const QString fifty = QString(49, 'a') + ' ', fiftyOne = QString(50, 'a') + ' ';
        QTest::newRow("50 characters, blank included") << true << fifty << true;
        QTest::newRow("51 characters") << true << fiftyOne << false;
        QTest::newRow("51 characters, filter off") << false << fiftyOne << true;
        QString pictures;
        for (int i = 0; i < 50; ++i)
            pictures += QString::fromUcs4(U"\U0001F600");
        QTest::newRow("50 characters beyond the basic plane") << true << pictures << true;
    }

    void lengthFilter()
    {
        QFETCH(bool, ignoreLong);
        QFETCH(QString, text);
        QFETCH(bool, read);
        Monitor m;
        m.ChangeOptions([&](ReadingController::Options &o) { o.IgnoreLong = ignoreLong; });
        m.Copy(text);
        m.Poll();
        QCOMPARE(m.view.Bar(), read ? "!Вслух Стоп(буфер) Пауза" : "Вслух Буфер !Пауза");
        QCOMPARE(m.ReadingClipboard(), read);
    }

    void eachChangeIsReadOnce()
    {
        Monitor m;
        QStringList heard;
        for (const QString &text : QStringList{"Hello.", "Hello.", "Bye.", "Hello."}) {
            m.Copy(text);
            m.Poll();
            heard << m.ReadToTheEnd();
        }
        QCOMPARE(heard, (QStringList{"F:Hello.", "F:Bye.", "F:Hello."}));
    }

    void aTextInTheClipboardAtStartIsNotNew()
    {
        Monitor m;
        m.Copy("Hello");
        m.monitor.TakeStartupSnapshot();
        m.Poll();
        QVERIFY(!m.controller.ReadingActive());
        QVERIFY(m.BufferEnabled());

        Monitor empty;
        empty.Copy(" \r\n");
        empty.monitor.TakeStartupSnapshot();
        empty.controller.TakeStartupState();
        QVERIFY(!empty.BufferEnabled());
    }

    void theClipboardIsLeftAloneWhileTheWindowIsBusyElsewhere_data()
    {
        QTest::addColumn<QString>("busy");
        QTest::newRow("another tab shown") << "tab";
        QTest::newRow("text events suppressed") << "suppressed";
        QTest::newRow("extra pause between pieces") << "pause";
    }

    void theClipboardIsLeftAloneWhileTheWindowIsBusyElsewhere()
    {
        QFETCH(QString, busy);
        Monitor m;
        m.view.TabShown = busy != "tab";
        m.view.Suppressed = busy == "suppressed";
        if (busy == "pause") {
            m.tmSleep.SetInterval(30000);
            m.tmSleep.SetEnabled(true);
        }
        m.view.Buttons[ReadingButton::StartBuffer].enabled = false;
        m.Copy("Hello");
        m.Poll();
        m.Poll();
        QVERIFY(!m.controller.ReadingActive());
        QVERIFY(!m.BufferEnabled());
        QCOMPARE(m.monitor.ClipboardSnapshot, QString());

        m.view.TabShown = true;
        m.view.Suppressed = false;
        m.tmSleep.SetEnabled(false);
        m.Poll();
        QCOMPARE(m.Playing(), "F:Hello");
    }

    void aTextCopiedDuringATextReadingIsTakenWhenItEnds()
    {
        Monitor m("Раз. Два.");
        m.controller.BtStartSpeakingClick();
        m.Copy("Hello");
        m.Poll();
        QVERIFY(!m.BufferEnabled());
        QCOMPARE(m.Playing(), "R:Раз. ");
        QCOMPARE(m.ReadToTheEnd(), (QStringList{"R:Раз. ", "R:Два."}));
        m.Poll();
        QCOMPARE(m.Playing(), "F:Hello");
    }

    void aTextCopiedDuringAClipboardReadingRestartsItOnce()
    {
        Monitor m;
        m.Copy("Раз. Два. Три.");
        m.Poll();
        QCOMPARE(m.Playing(), "R:Раз. ");
        m.Copy("Hello. World.");
        m.Poll();
        QCOMPARE(m.Playing(), "F:Hello. ");
        m.Poll();
        m.Poll();
        QCOMPARE(m.foreign.Spoken(), QStringList{"Hello. "});
        QCOMPARE(m.ReadToTheEnd(), (QStringList{"F:Hello. ", "F:World."}));
        m.Poll();
        QVERIFY(!m.controller.ReadingActive());
    }

    void uncheckingAutomaticSendingTakesNoteOfTheClipboardAgain_data()
    {
        QTest::addColumn<bool>("checkedAgain");
        QTest::newRow("unchecked at the poll: noted, not read") << false;
        QTest::newRow("checked again before the poll: read") << true;
    }

    void uncheckingAutomaticSendingTakesNoteOfTheClipboardAgain()
    {
        QFETCH(bool, checkedAgain);
        Monitor m;
        m.Copy("Hello");
        m.monitor.TakeStartupSnapshot();
        m.ChangeOptions([&](ReadingController::Options &o) { o.AutoBuffer = false; });
        m.monitor.CbAutoBufferClick();
        QCOMPARE(m.monitor.ClipboardSnapshot, QString());
        if (checkedAgain) {
            m.ChangeOptions([&](ReadingController::Options &o) { o.AutoBuffer = true; });
            m.monitor.CbAutoBufferClick();
        }
        m.view.Buttons[ReadingButton::StartBuffer].enabled = false;
        m.Poll();
        QCOMPARE(m.view.Bar(), checkedAgain ? "!Вслух Стоп(буфер) Пауза" : "Вслух Буфер !Пауза");
        QCOMPARE(m.Playing(), checkedAgain ? "F:Hello" : "");
        QCOMPARE(m.monitor.ClipboardSnapshot, "Hello");
    }

    void aSelectedWordGoesToTheClipboard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<bool>("copied");
        const QString text = "Одно слово\tи\r\nещё  одно";
        QTest::newRow("a word") << text << 5 << 5 << "" << true;
        QTest::newRow("a word with blanks around") << text << 4 << 7 << "" << true;
        QTest::newRow("a tab does not part words") << text << 5 << 7 << "" << true;
        QTest::newRow("a line break does not part words") << text << 11 << 6 << "" << true;
        QTest::newRow("two words") << text << 0 << 10 << "" << false;
        QTest::newRow("blanks") << text << 10 << 1 << "" << false;
        QTest::newRow("nothing selected") << text << 5 << 0 << "" << false;
        QTest::newRow("already in the clipboard") << text << 5 << 5 << "in clipboard" << false;
        QTest::newRow("automatic sending off") << text << 5 << 5 << "off" << false;
        QTest::newRow("another tab") << text << 5 << 5 << "tab" << false;
        QTest::newRow("text events suppressed") << text << 5 << 5 << "suppressed" << false;
        QTest::newRow("during a clipboard reading") << text << 5 << 5 << "clipboard reading" << true;
        QTest::newRow("during a text reading") << text << 5 << 5 << "text reading" << false;
    }

    void aSelectedWordGoesToTheClipboard()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, length);
        QFETCH(QString, condition);
        QFETCH(bool, copied);
        Monitor m(text);
        m.Copy(condition == "in clipboard" ? text.mid(from, length) : "Раз. Два.");
        if (condition == "clipboard reading")
            m.controller.BtStartBufferClick();
        if (condition == "text reading")
            m.controller.BtStartSpeakingClick();
        m.ChangeOptions([&](ReadingController::Options &o) { o.AutoBuffer = condition != "off"; });
        m.view.TabShown = condition != "tab";
        m.view.Suppressed = condition == "suppressed";
        m.clock.Advance(500);
        m.text1.SelectionChanged = [&] { m.monitor.Re1SelectionChange(); };
        m.re1.SetSelStart(from);
        m.re1.SetSelLength(length);
        QCOMPARE(m.clipboard.Writes, copied ? 1 : 0);
        if (copied) {
            QCOMPARE(m.clipboard.Content, text.mid(from, length));
            QCOMPARE(m.tmBuffer.DueAt(), m.clock.Now + ClipboardMonitor::PollInterval);
        }
    }

    void stoppingAReadingDoesNotCopyItsOneWordPiece()
    {
        Monitor m("Один. Два.");
        m.text1.SelectionChanged = [&] { m.monitor.Re1SelectionChange(); };
        m.controller.BtStartSpeakingClick();
        m.controller.AcStopSpeakingExecute();
        m.controller.BtStartSpeakingClick();
        m.ReadToTheEnd();
        QCOMPARE(m.clipboard.Writes, 0);
    }

};

QTEST_GUILESS_MAIN(TestClipboardMonitor)
#include "tst_ClipboardMonitor.moc"
