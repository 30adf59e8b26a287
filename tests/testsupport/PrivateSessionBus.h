#pragma once
#include <QProcess>
#include <QString>

// A session bus of the test's own, as dbus-run-session gives one: a dbus-daemon that lives as long
// as this object, its address in DBUS_SESSION_BUS_ADDRESS of this process (and so of the programs
// it starts) before anything connects. The desktop's own bus is never touched.
class PrivateSessionBus {
public:
    PrivateSessionBus()
    {
        daemon.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (daemon.waitForStarted(5000) && daemon.waitForReadyRead(5000))
            address = QString::fromLatin1(daemon.readLine().trimmed());
        if (!address.isEmpty())
            qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLatin1());
    }
    ~PrivateSessionBus()
    {
        daemon.kill();
        daemon.waitForFinished(5000);
    }
    PrivateSessionBus(const PrivateSessionBus &) = delete;
    PrivateSessionBus &operator=(const PrivateSessionBus &) = delete;

    bool Running() const { return !address.isEmpty(); }

private:
    QProcess daemon;
    QString address;
};
