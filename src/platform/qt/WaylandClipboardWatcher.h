#pragma once
#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>

// Follows the clipboard of a Wayland session while the program lacks the keyboard focus, which a
// Wayland client alone is not allowed to do. Compositors that offer the data-control protocol
// (wlroots-based ones such as Sway, KDE Plasma, Hyprland) let wl-paste of wl-clipboard watch it:
// at each change it runs a command, which hands the new text over, ended by a NUL. Where the
// protocol is missing (GNOME), Start fails and the program sees the clipboard only while it is
// focused.
class WaylandClipboardWatcher : public QObject {
    Q_OBJECT
public:
    explicit WaylandClipboardWatcher(QObject *parent = nullptr);
    ~WaylandClipboardWatcher() override;

    // Starts watching and waits for the clipboard's present text. False when wl-paste is missing
    // or the compositor does not offer data-control.
    bool Start(int timeoutMilliseconds = 3000);
    bool Running() const;
    QString Text() const { return text; }
    void Noted(const QString &copied) { text = copied; }  // a text this program has just copied

signals:
    void Changed();

private:
    bool TakeRecords();

    QProcess process;
    QByteArray unread;
    QString text;
    int records = 0;
};
