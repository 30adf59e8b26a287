#include "platform/Guarded.h"
#include "platform/TDirectSS.h"
#include "platform/qt/QtTimer.h"
#include <QTest>

namespace {

QStringList logged;

void Record(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    logged << QString::fromLatin1(context.category) + ": " + message;
}

} // namespace

// The one place where failures are dropped: a failure ends the step, goes no further, and is
// logged only when the category is enabled.
class TestGuarded : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        logged.clear();
        qInstallMessageHandler(Record);
    }
    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        QLoggingCategory::setFilterRules({});
    }

    void aFailureEndsTheStepAndIsDroppedQuietly()
    {
        int reached = 0;
        QVERIFY(Guarded("a step", [&] { ++reached; }));
        QVERIFY(!Guarded("a failing step", [&] {
            throw SpeechError("the engine is gone");
            ++reached;
        }));
        QVERIFY(!Guarded("a strange failure", [] { throw 42; }));
        QCOMPARE(reached, 1);
        QVERIFY(logged.isEmpty());
    }

    void whatIsDroppedIsLoggedWhenAsked()
    {
        QLoggingCategory::setFilterRules("lektavo.dropped.debug=true");
        Guarded("SbSpeedExit", [] { throw SpeechError("the engine is gone"); });
        Guarded("TmSleep", [] { throw 42; });
        QCOMPARE(logged, (QStringList{"lektavo.dropped: SbSpeedExit: the engine is gone",
                                      "lektavo.dropped: TmSleep: an exception of unknown type"}));
    }

    // A command that did not do what it was for is always shown.
    void aFailedCommandIsAWarning()
    {
        Guarded("Sentences1Click", [] { throw SpeechError("out of memory"); }, Failure::Seen);
        QCOMPARE(logged, QStringList{"lektavo.dropped: Sentences1Click: out of memory"});
    }

    // A timer's handler is a boundary too: its failure does not stop the timer's next ticks.
    void aFailingTimerHandlerGoesOnTicking()
    {
        QtTimer timer;
        timer.setObjectName("Timer1");
        int ticks = 0;
        timer.OnTimer = [&] {
            ++ticks;
            throw SpeechError("a tick failed");
        };
        timer.SetInterval(1);
        timer.SetEnabled(true);
        QTRY_VERIFY(ticks >= 3);
        QVERIFY(timer.Enabled());
    }
};

QTEST_GUILESS_MAIN(TestGuarded)
#include "tst_Guarded.moc"
