#include "app/MediaPlayerService.h"
#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "reading/ReadingController.h"
#include "testsupport/PrivateSessionBus.h"
#include "testsupport/ScriptedVoices.h"
#include "testsupport/TestTexts.h"
#include <QDBusConnection>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QTemporaryDir>
#include <QTest>

// The desktop's media controls on a connection of their own: every call and property goes over
// the bus, while this thread's event loop serves the window.
class Controls : public QObject {
    Q_OBJECT
public:
    Controls() : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "controls"))
    {
        bus.connect(MediaPlayerService::ServiceName, MediaPlayerService::ObjectPath, "org.freedesktop.DBus.Properties",
                    "PropertiesChanged", this, SLOT(PropertiesChanged(QString, QVariantMap, QStringList)));
    }
    ~Controls() override { QDBusConnection::disconnectFromBus("controls"); }

    QDBusMessage::MessageType Call(const QString &method, const QVariantList &arguments = {},
                                   const QString &interface = "org.mpris.MediaPlayer2.Player")
    {
        QDBusMessage call = QDBusMessage::createMethodCall(MediaPlayerService::ServiceName,
                                                           MediaPlayerService::ObjectPath, interface, method);
        call.setArguments(arguments);
        reply = bus.call(call, QDBus::BlockWithGui, 5000);
        return reply.type();
    }
    QVariant Property(const QString &name, const QString &interface = "org.mpris.MediaPlayer2.Player")
    {
        Call("Get", {interface, name}, "org.freedesktop.DBus.Properties");
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    QVariant Metadata(const QString &key) { return qdbus_cast<QVariantMap>(Property("Metadata")).value(key); }

    QDBusConnection bus;
    QDBusMessage reply;
    QStringList statusesAnnounced;

public slots:
    void PropertiesChanged(const QString &, const QVariantMap &changed, const QStringList &)
    {
        if (changed.contains("PlaybackStatus"))
            statusesAnnounced << changed.value("PlaybackStatus").toString();
    }
};

class TestMediaPlayer : public QObject {
    Q_OBJECT

    PrivateSessionBus *bus = nullptr;  // before the program's first use of the session bus

private slots:
    void initTestCase()
    {
        bus = new PrivateSessionBus;
        QVERIFY(bus->Running());
    }
    void cleanupTestCase() { delete bus; }

    void theCallsReachTheReadingAndThePropertiesShowIt()
    {
        QTemporaryDir program;
        const QString book = program.filePath("book.fb2");
        WriteAll(book, QStringLiteral("<?xml version=\"1.0\"?><FictionBook><description><title-info><author>"
                                      "<last-name>Автор</last-name></author><book-title>Счёт</book-title></title-info>"
                                      "</description><body><p>Раз. Два. Три.</p></body></FictionBook>")
                           .toUtf8());
        TLektavo window({book}, program.path() + '/', ScriptedVoices().Take());
        Controls controls;
        QTRY_COMPARE(controls.Metadata("xesam:title").toString(), QStringLiteral("Счёт"));
        QCOMPARE(controls.Metadata("xesam:artist").toStringList(), QStringList{QStringLiteral("Автор")});
        QCOMPARE(controls.Property("Identity", "org.mpris.MediaPlayer2").toString(), "Lektavo");

        const std::tuple<const char *, const char *, const char *> steps[] = {
            {"Play", "Playing", "Раз."}, {"Next", "Playing", "Два."},     {"Previous", "Playing", "Раз."},
            {"Pause", "Paused", "Раз."}, {"PlayPause", "Playing", "Раз."}, {"Stop", "Stopped", ""},
        };
        for (const auto &[method, status, comment] : steps) {
            QCOMPARE(controls.Call(method), QDBusMessage::ReplyMessage);
            QCOMPARE(controls.Property("PlaybackStatus").toString(), status);
            QCOMPARE(controls.Metadata("xesam:comment").toStringList().join(""), QString::fromUtf8(comment));
            QCOMPARE(controls.Property("CanGoNext").toBool(), QString(status) == "Playing");
        }
        QCOMPARE(controls.Property("CanPlay").toBool(), true);
        QCOMPARE(controls.Property("CanPause").toBool(), false);
        QTRY_COMPARE(controls.statusesAnnounced, QStringList({"Playing", "Paused", "Playing", "Stopped"}));

        window.show();
        QCOMPARE(controls.Call("Raise", {}, "org.mpris.MediaPlayer2"), QDBusMessage::ReplyMessage);
        QCOMPARE(controls.Call("Quit", {}, "org.mpris.MediaPlayer2"), QDBusMessage::ReplyMessage);
        QVERIFY(!window.isVisible());
    }

    void theMediaKeysWorkInTheWindow()
    {
        QTemporaryDir program;
        TLektavo window({}, program.path() + '/', ScriptedVoices().Take());
        window.Text().SetText(QStringLiteral("Один. Два."));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Keys without a character of their own, as a keyboard sends them.
        QTest::sendKeyEvent(QTest::Click, &window, Qt::Key_MediaTogglePlayPause, QString(), Qt::NoModifier);
        QVERIFY(window.Reading().ReadingActive());
        QTest::sendKeyEvent(QTest::Click, &window, Qt::Key_MediaStop, QString(), Qt::NoModifier);
        QVERIFY(!window.Reading().ReadingActive());
    }
};

QTEST_MAIN(TestMediaPlayer)
#include "tst_MediaPlayer.moc"
