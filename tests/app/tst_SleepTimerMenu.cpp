#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "reading/ReadingController.h"
#include "testsupport/MemoryOptions.h"
#include "testsupport/ScriptedVoices.h"
#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

class TestSleepTimerMenu : public QObject {
    Q_OBJECT

private slots:
    // The choice kept comes back at start; a new one is kept, and the minutes show in the title
    // while reading.
    void theChoiceIsKeptAndTheMinutesShowInTheTitle()
    {
        QTemporaryDir program;
        auto options = std::make_unique<MemoryOptions>();
        options->Choose(OptionsStore::Choice::SleepTimer, 5);
        MemoryOptions &kept = *options;  // as long as the window
        TLektavo window({}, program.path() + '/', ScriptedVoices().Take(), nullptr, std::move(options));
        QVERIFY(window.findChild<QAction *>("MnSleep5")->isChecked());
        QVERIFY(!window.findChild<QAction *>("MnSleep0")->isChecked());

        window.Text().SetText(QStringLiteral("Один. Два."));
        auto *thirty = window.findChild<QMenu *>("mnView")->findChild<QAction *>("MnSleep2");
        QCOMPARE(thirty->text(), QStringLiteral("30 минут"));
        thirty->trigger();
        QCOMPARE(kept.Chosen(OptionsStore::Choice::SleepTimer), 2);
        window.Reading().BtStartSpeakingClick();
        QCOMPARE(window.windowTitle(), QString::fromUtf8(TLektavo::Caption) + QStringLiteral(" — сон через 30 мин"));
        window.Reading().BtPauseClick();
        QCOMPARE(window.windowTitle(), QString::fromUtf8(TLektavo::Caption));
    }
};

QTEST_MAIN(TestSleepTimerMenu)
#include "tst_SleepTimerMenu.moc"
