#include "SingleInstance.h"
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUrl>
#include <unistd.h>

namespace {
// Commands travel one a line: a path goes as a percent-encoded file address, so that any
// character of a file name, a line end too, arrives as it was.
constexpr QLatin1StringView OpenPrefix("open ");
}

QString SingleInstance::DefaultSocketPath()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
        return QString::fromLocal8Bit(runtime) + "/lektavo.socket";
    return QDir::tempPath() + QString("/lektavo-%1.socket").arg(getuid());
}

QString SingleInstance::OpenCommand(const QString &documentPath)
{
    const QUrl address = QUrl::fromLocalFile(QFileInfo(documentPath).absoluteFilePath());
    return OpenPrefix + QString::fromLatin1(address.toEncoded());
}

QString SingleInstance::DocumentToOpen(const QString &command)
{
    if (!command.startsWith(OpenPrefix))
        return {};
    const QUrl address = QUrl::fromEncoded(command.sliced(OpenPrefix.size()).toLatin1(), QUrl::StrictMode);
    return address.isLocalFile() ? address.toLocalFile() : QString();
}

SingleInstance::SingleInstance(QString socketPath, QObject *parent)
    : QObject(parent), socketPath(std::move(socketPath))
{
}

bool SingleInstance::SendToRunning(const QString &command, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(command.toUtf8() + '\n');
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool SingleInstance::Listen()
{
    // Listening with access options replaces a socket file that is there, so look first whether
    // an instance answers on it.
    if (SendToRunning(QStringLiteral("ping"), 200))
        return false;
    QLocalServer::removeServer(socketPath);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketPath))
        return false;
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = server->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                while (client->canReadLine()) {
                    const QString command = QString::fromUtf8(client->readLine()).trimmed();
                    if (command != QLatin1String("ping"))
                        emit CommandReceived(command);
                }
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}
