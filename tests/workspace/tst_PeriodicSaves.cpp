#include "testsupport/ManualClock.h"
#include "testsupport/ManualTimer.h"
#include "workspace/PeriodicSaves.h"
#include <QTest>

namespace {

// A script of "<seconds> <event>" steps, the clock moved to each one's time before it runs, and
// the writes it brings as "<what>@<seconds>".
QStringList WritesOf(const QString &script, int endSeconds)
{
    ManualClock clock;
    ManualTimer textTimer(&clock), placeTimer(&clock);
    QStringList writes;
    const auto at = [&](const char *what) { writes << QStringLiteral("%1@%2").arg(what).arg(clock.Now / 1000); };
    PeriodicSaves saves(textTimer, placeTimer, {[&] { at("text"); }, [&] { at("place"); }});
    for (const QString &step : script.split(',', Qt::SkipEmptyParts)) {
        const QStringList parts = step.trimmed().split(' ');
        clock.Advance(parts[0].toInt() * 1000 - clock.Now);
        const QString &event = parts[1];
        if (event == "edit")
            saves.TextChanged();
        else if (event == "leave")
            saves.FocusLost();
        else if (event == "read")
            saves.ReadingChanged(true);
        else if (event == "pause")
            saves.ReadingChanged(false);
        else if (event == "close")
            saves.Closing();
    }
    clock.Advance(endSeconds * 1000 - clock.Now);
    return writes;
}

} // namespace

class TestPeriodicSaves : public QObject {
    Q_OBJECT

private slots:
    void writesFollowTheChangesAndTheReading_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("an edit is written 30 s later, not before") << "0 edit" << QStringList{"text@30"};
        QTest::newRow("steady typing is written every 30 s")
            << "0 edit, 10 edit, 29 edit, 31 edit, 45 edit" << QStringList{"text@30", "text@61"};
        QTest::newRow("nothing changed, nothing written") << "0 leave, 10 read, 10 pause" << QStringList{"place@10"};
        QTest::newRow("leaving the window writes at once, once")
            << "0 edit, 5 leave, 6 leave" << QStringList{"text@5"};
        QTest::newRow("the place every 30 s while reading and at the pause")
            << "0 read, 70 pause" << QStringList{"place@30", "place@60", "place@70"};
        QTest::newRow("a reading that goes on counts 30 s afresh")
            << "0 read, 20 pause, 25 read, 50 read, 60 pause" << QStringList{"place@20", "place@55", "place@60"};
        QTest::newRow("the close leaves nothing to write") << "0 edit, 0 read, 10 close" << QStringList{};
    }

    void writesFollowTheChangesAndTheReading()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, writes);
        QCOMPARE(WritesOf(script, 100), writes);
    }
};

QTEST_GUILESS_MAIN(TestPeriodicSaves)
#include "tst_PeriodicSaves.moc"
