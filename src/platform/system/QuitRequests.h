#pragma once
#include <QObject>

class QSocketNotifier;

// Requests from outside to end the program: SIGTERM, SIGINT and SIGHUP, and the end of the desktop
// session. A signal arrives as Requested() on the event loop, so the main window can close as if
// the user closed it; at the end of the session SessionEnding() is emitted while the session
// manager waits, so the state can be saved before the session goes away.
class QuitRequests : public QObject {
    Q_OBJECT
public:
    explicit QuitRequests(QObject *parent = nullptr);
    ~QuitRequests() override;

signals:
    void Requested();
    void SessionEnding();

private:
    void Drain();

    QSocketNotifier *notifier = nullptr;
};
