#pragma once
#include <QObject>
#include <QString>

class QLocalServer;

// One running instance per user. The first instance listens on a local socket; a later start
// hands its command to it and ends: "raise" (come forward) or "open" with a document's address
// (OpenCommand). Sibling programs send "activate".
class SingleInstance : public QObject {
    Q_OBJECT
public:
    static QString DefaultSocketPath();
    // The command that hands a document over, its path made absolute, and the path back from it
    // (empty for any other command).
    static QString OpenCommand(const QString &documentPath);
    static QString DocumentToOpen(const QString &command);

    explicit SingleInstance(QString socketPath, QObject *parent = nullptr);

    // Sends a command to the running instance; false when none answers.
    bool SendToRunning(const QString &command, int timeoutMs = 500) const;
    // Starts listening; a socket left behind by a crashed instance is removed first.
    bool Listen();

signals:
    void CommandReceived(const QString &command);

private:
    QString socketPath;
    QLocalServer *server = nullptr;
};
