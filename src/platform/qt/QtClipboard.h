#pragma once
#include "platform/Clipboard.h"
#include <memory>

class QClipboard;
class WaylandClipboardWatcher;

// The system clipboard through QClipboard: its Unicode text, else the plain text the owner offers.
// Under Wayland a focused program alone may read the clipboard; where the compositor offers the
// data-control protocol, a watcher keeps the text of what other programs copy meanwhile.
class QtClipboard : public Clipboard {
public:
    explicit QtClipboard(QClipboard *clipboard);
    ~QtClipboard() override;

    QString Text() const override;
    void SetText(const QString &text) override;

    bool FollowsWithoutFocus() const;  // a Wayland session's clipboard is watched

private:
    QClipboard *clipboard;
    std::unique_ptr<WaylandClipboardWatcher> watcher;
};
