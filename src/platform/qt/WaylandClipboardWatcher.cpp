#include "platform/qt/WaylandClipboardWatcher.h"
#include <QStandardPaths>

namespace {

// Drains what wl-paste offers in whatever type (the source program must not meet a closed pipe),
// then asks for the text form alone: an image in the clipboard gives an empty text.
const char *const ChangeCommand = "cat >/dev/null; wl-paste --no-newline --type text 2>/dev/null; printf '\\0'";

} // namespace

WaylandClipboardWatcher::WaylandClipboardWatcher(QObject *parent) : QObject(parent)
{
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    connect(&process, &QProcess::readyReadStandardOutput, this, [this] {
        if (TakeRecords())
            emit Changed();
    });
}

WaylandClipboardWatcher::~WaylandClipboardWatcher()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    }
}

bool WaylandClipboardWatcher::Start(int timeoutMilliseconds)
{
    const QString wlPaste = QStandardPaths::findExecutable("wl-paste");
    if (wlPaste.isEmpty())
        return false;
    process.start(wlPaste, {"--watch", "sh", "-c", ChangeCommand});
    if (!process.waitForStarted(timeoutMilliseconds))
        return false;
    // wl-paste reports the present clipboard at once, or ends at once without data-control.
    QSignalBlocker quiet(this);
    while (records == 0) {
        if (!process.waitForReadyRead(timeoutMilliseconds)) {
            process.kill();
            process.waitForFinished(1000);
            return false;
        }
    }
    return Running();
}

bool WaylandClipboardWatcher::Running() const
{
    return process.state() == QProcess::Running;
}

// Reads the finished records; the text becomes the last of them. True when there was one.
bool WaylandClipboardWatcher::TakeRecords()
{
    unread += process.readAllStandardOutput();
    const qsizetype end = unread.lastIndexOf('\0');
    if (end < 0)
        return false;
    const qsizetype start = end == 0 ? 0 : unread.lastIndexOf('\0', end - 1) + 1;
    text = QString::fromUtf8(unread.mid(start, end - start));
    unread.remove(0, end + 1);
    ++records;
    return true;
}
