#include "settings/AtomicFile.h"
#include <QFileInfo>
#include <QSaveFile>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Makes the rename itself durable.
void SyncFolder(const QString &path)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

}  // namespace

bool WriteFileAtomically(const QString &path, QByteArrayView data, QString *reason)
{
    QSaveFile file(path);
    const auto failed = [&] {
        if (reason)
            *reason = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    if (file.write(data.data(), data.size()) != data.size()) {
        const bool answer = failed();
        file.cancelWriting();
        file.commit();
        return answer;
    }
    if (!file.commit())
        return failed();
    SyncFolder(path);
    return true;
}
