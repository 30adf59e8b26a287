#include "platform/qt/QtClipboard.h"
#include "platform/qt/WaylandClipboardWatcher.h"
#include <QClipboard>
#include <QGuiApplication>

QtClipboard::QtClipboard(QClipboard *clipboard) : clipboard(clipboard)
{
    if (!QGuiApplication::platformName().startsWith("wayland"))
        return;
    watcher = std::make_unique<WaylandClipboardWatcher>();
    if (!watcher->Start())
        watcher.reset();
}

QtClipboard::~QtClipboard() = default;

bool QtClipboard::FollowsWithoutFocus() const
{
    return watcher && watcher->Running();
}

QString QtClipboard::Text() const
{
    if (FollowsWithoutFocus())
        return watcher->Text();
    return clipboard->text(QClipboard::Clipboard);
}

void QtClipboard::SetText(const QString &text)
{
    clipboard->setText(text, QClipboard::Clipboard);
    if (watcher)
        watcher->Noted(text);
}
