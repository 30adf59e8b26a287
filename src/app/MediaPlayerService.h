#pragma once
#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <functional>

class ReadingAsPlayer;

// The reading aloud as a media player on the session bus, for the desktop's media controls,
// headset buttons and playerctl: org.mpris.MediaPlayer2.lektavo. Without a session bus there is
// nothing to join, and the program goes on without it.
class MediaPlayerService : public QObject {
    Q_OBJECT
public:
    static constexpr auto ServiceName = "org.mpris.MediaPlayer2.lektavo";
    static constexpr auto ObjectPath = "/org/mpris/MediaPlayer2";

    // What the player asks of the window.
    struct Window {
        std::function<void()> raise;
        std::function<void()> quit;  // as the window's close
        std::function<QString()> title;
        std::function<QString()> author;  // empty when not known
    };

    MediaPlayerService(ReadingAsPlayer &player, Window window);
    ~MediaPlayerService() override;

    bool Registered() const { return registered; }
    // After every change of the reading: the properties that changed are announced.
    void ReadingChanged();

    ReadingAsPlayer &Player() { return player; }
    const Window &Shown() const { return window; }
    QVariantMap Metadata() const;

private:
    QVariantMap PlayerProperties() const;

    ReadingAsPlayer &player;
    Window window;
    bool registered = false;
    QVariantMap announced;  // the player's properties as last announced
    int piece = 0;          // the track id of the piece spoken
    QString pieceShown;
};

// org.mpris.MediaPlayer2: the program itself.
class MediaPlayerRoot : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)
public:
    explicit MediaPlayerRoot(MediaPlayerService *service);

    bool CanQuit() const { return true; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    QString Identity() const { return QStringLiteral("Lektavo"); }
    QString DesktopEntry() const { return QStringLiteral("org.lektavo.Lektavo"); }
    QStringList SupportedUriSchemes() const { return {}; }
    QStringList SupportedMimeTypes() const { return {}; }

public slots:
    void Raise();
    void Quit();

private:
    MediaPlayerService *service;
};

// org.mpris.MediaPlayer2.Player: the reading, one piece a track. Nothing is sought; the rate and
// the volume are the voices' own.
class MediaPlayerControls : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(double Rate READ Rate WRITE SetRate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double MinimumRate READ Rate)
    Q_PROPERTY(double MaximumRate READ Rate)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)
public:
    explicit MediaPlayerControls(MediaPlayerService *service);

    QString PlaybackStatus() const;
    double Rate() const { return 1.0; }
    void SetRate(double) {}
    QVariantMap Metadata() const { return service->Metadata(); }
    double Volume() const { return 1.0; }
    void SetVolume(double) {}
    qlonglong Position() const { return 0; }
    bool CanGoNext() const;
    bool CanGoPrevious() const;
    bool CanPlay() const;
    bool CanPause() const;
    bool CanSeek() const { return false; }
    bool CanControl() const { return true; }

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong) {}
    void SetPosition(const QDBusObjectPath &, qlonglong) {}
    void OpenUri(const QString &) {}

signals:
    void Seeked(qlonglong position);

private:
    MediaPlayerService *service;
};
