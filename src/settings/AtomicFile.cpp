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

bool WriteFileAtomically(const QString &path, QByteArrayView data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data.data(), data.size()) != data.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit())
        return false;
    SyncFolder(path);
    return true;
}
