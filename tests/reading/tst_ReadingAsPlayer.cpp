#include "reading/ReadingAsPlayer.h"
#include "reading/ReadingFixture.h"
#include <QTest>
#include <map>

class TestReadingAsPlayer : public QObject {
    Q_OBJECT

private slots:
    // A script of the player's commands, "end" (the voice played its piece to the end) and
    // "wait" (4 s pass); then "<status> <piece shown>/<piece played> <what may be asked>".
    void theControlsActAsTheReadingBar_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        const QString all = " play+pause+next+previous";
        QTest::newRow("nothing read yet") << "" << "Stopped / play";
        QTest::newRow("play starts at the caret") << "play" << "Playing Один./R:Один." + all;
        QTest::newRow("pause, and no next meanwhile") << "play, pause, next" << "Paused Один./R:Один. play+pause";
        QTest::newRow("play goes on") << "play, pause, play" << "Playing Один./R:Один." + all;
        QTest::newRow("play-pause in turn") << "playpause, playpause, playpause" << "Playing Один./R:Один." + all;
        QTest::newRow("stop") << "play, stop" << "Stopped / play";
        QTest::newRow("next at once") << "play, next" << "Playing Два./R:Два." + all;
        QTest::newRow("previous just begun: the one before") << "play, end, previous" << "Playing Один./R:Один." + all;
        QTest::newRow("previous later: the same again") << "play, end, wait, previous" << "Playing Два./R:Два." + all;
        QTest::newRow("previous twice: two back") << "play, end, end, previous, previous" << "Playing Один./R:Один." + all;
        QTest::newRow("previous of the first: the first") << "play, previous" << "Playing Один./R:Один." + all;
    }

    void theControlsActAsTheReadingBar()
    {
        QFETCH(QString, script);
        QFETCH(QString, state);
        MemoryTextArea re1;
        re1.SetText(QStringLiteral("Один. Два. Три."));
        ReadingFixture reading{re1};
        ReadingAsPlayer player{reading.controller, reading.clock};
        const std::map<QString, std::function<void()>> commands = {
            {"play", [&] { player.Play(); }},         {"pause", [&] { player.Pause(); }},
            {"playpause", [&] { player.PlayPause(); }}, {"stop", [&] { player.Stop(); }},
            {"next", [&] { player.Next(); }},         {"previous", [&] { player.Previous(); }},
            {"end", [&] { reading.FinishPiece(); }},  {"wait", [&] { reading.clock.Advance(4000); }},
        };
        for (const QString &command : script.split(", ", Qt::SkipEmptyParts))
            commands.at(command)();

        static const char *statuses[] = {"Playing", "Paused", "Stopped"};
        QStringList offered;
        for (const auto &[can, name] : {std::pair{player.CanPlay(), "play"}, {player.CanPause(), "pause"},
                                        {player.CanGoNext(), "next"}, {player.CanGoPrevious(), "previous"}})
            if (can)
                offered << name;
        QCOMPARE(QStringLiteral("%1 %2/%3 %4")
                     .arg(statuses[int(player.PlaybackStatus())], player.SpokenPiece(),
                          reading.Playing().trimmed(), offered.join('+')),
                 state);
    }
};

QTEST_GUILESS_MAIN(TestReadingAsPlayer)
#include "tst_ReadingAsPlayer.moc"
