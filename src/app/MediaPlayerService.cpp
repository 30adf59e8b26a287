#include "app/MediaPlayerService.h"
#include "platform/Guarded.h"
#include "reading/ReadingAsPlayer.h"
#include <QDBusConnection>
#include <QDBusMessage>

namespace {

constexpr auto PlayerInterface = "org.mpris.MediaPlayer2.Player";

QString StatusName(ReadingAsPlayer::Status status)
{
    switch (status) {
    case ReadingAsPlayer::Status::Playing: return QStringLiteral("Playing");
    case ReadingAsPlayer::Status::Paused: return QStringLiteral("Paused");
    case ReadingAsPlayer::Status::Stopped: break;
    }
    return QStringLiteral("Stopped");
}

// A desktop without a session bus would have one started for the program by the library;
// the player joins only the bus the desktop gives.
bool SessionBusGiven()
{
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace

MediaPlayerService::MediaPlayerService(ReadingAsPlayer &player, Window window)
    : player(player), window(std::move(window))
{
    new MediaPlayerRoot(this);
    new MediaPlayerControls(this);
    if (!SessionBusGiven())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    registered = bus.isConnected() && bus.registerObject(ObjectPath, this, QDBusConnection::ExportAdaptors) &&
                 bus.registerService(ServiceName);
    announced = PlayerProperties();
}

MediaPlayerService::~MediaPlayerService()
{
    if (!registered)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(ServiceName);
    bus.unregisterObject(ObjectPath);
}

QVariantMap MediaPlayerService::Metadata() const
{
    QVariantMap metadata;
    metadata["mpris:trackid"] =
        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/lektavo/Piece/%1").arg(piece)));
    metadata["xesam:title"] = window.title();
    if (const QString author = window.author(); !author.isEmpty())
        metadata["xesam:artist"] = QStringList{author};
    if (const QString spoken = player.SpokenPiece(); !spoken.isEmpty())
        metadata["xesam:comment"] = QStringList{spoken};
    return metadata;
}

QVariantMap MediaPlayerService::PlayerProperties() const
{
    return {{"PlaybackStatus", StatusName(player.PlaybackStatus())},
            {"Metadata", Metadata()},
            {"CanGoNext", player.CanGoNext()},
            {"CanGoPrevious", player.CanGoPrevious()},
            {"CanPlay", player.CanPlay()},
            {"CanPause", player.CanPause()}};
}

// A new piece is a new track, so that the desktop shows its text.
void MediaPlayerService::ReadingChanged()
{
    if (!registered)
        return;
    if (const QString spoken = player.SpokenPiece(); spoken != pieceShown) {
        pieceShown = spoken;
        ++piece;
    }
    const QVariantMap now = PlayerProperties();
    QVariantMap changed;
    for (auto property = now.begin(); property != now.end(); ++property)
        if (announced.value(property.key()) != property.value())
            changed.insert(property.key(), property.value());
    announced = now;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(ObjectPath, "org.freedesktop.DBus.Properties",
                                                     "PropertiesChanged");
    signal << QString::fromLatin1(PlayerInterface) << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

MediaPlayerRoot::MediaPlayerRoot(MediaPlayerService *service) : QDBusAbstractAdaptor(service), service(service)
{
}

void MediaPlayerRoot::Raise()
{
    Guarded("Raise", service->Shown().raise, Failure::Seen);
}

void MediaPlayerRoot::Quit()
{
    Guarded("Quit", service->Shown().quit, Failure::Seen);
}

MediaPlayerControls::MediaPlayerControls(MediaPlayerService *service)
    : QDBusAbstractAdaptor(service), service(service)
{
}

QString MediaPlayerControls::PlaybackStatus() const
{
    return StatusName(service->Player().PlaybackStatus());
}

bool MediaPlayerControls::CanGoNext() const
{
    return service->Player().CanGoNext();
}

bool MediaPlayerControls::CanGoPrevious() const
{
    return service->Player().CanGoPrevious();
}

bool MediaPlayerControls::CanPlay() const
{
    return service->Player().CanPlay();
}

bool MediaPlayerControls::CanPause() const
{
    return service->Player().CanPause();
}

void MediaPlayerControls::Next()
{
    Guarded("Next", [this] { service->Player().Next(); }, Failure::Seen);
}

void MediaPlayerControls::Previous()
{
    Guarded("Previous", [this] { service->Player().Previous(); }, Failure::Seen);
}

void MediaPlayerControls::Pause()
{
    Guarded("Pause", [this] { service->Player().Pause(); }, Failure::Seen);
}

void MediaPlayerControls::PlayPause()
{
    Guarded("PlayPause", [this] { service->Player().PlayPause(); }, Failure::Seen);
}

void MediaPlayerControls::Stop()
{
    Guarded("Stop", [this] { service->Player().Stop(); }, Failure::Seen);
}

void MediaPlayerControls::Play()
{
    Guarded("Play", [this] { service->Player().Play(); }, Failure::Seen);
}
