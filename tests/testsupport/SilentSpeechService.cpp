#include "SilentSpeechService.h"
#include <QFile>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

SilentSpeechService::SilentSpeechService() : previousAddress(qgetenv("SPEECHD_ADDRESS"))
{
    const QByteArray path = QFile::encodeName(folder.filePath("speechd.sock"));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    listening = ::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
                && ::listen(socket, 4) == 0;
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + path);
}

SilentSpeechService::~SilentSpeechService()
{
    qputenv("SPEECHD_ADDRESS", previousAddress);
    ::close(socket);
}

void SilentSpeechService::HangUpOnTheFirstClient() const
{
    ::close(::accept(socket, nullptr, nullptr));
}
