#include "app/ListeningParts.h"
#include "app/Handlers.h"
#include "platform/TextArea.h"
#include "platform/system/ForceForeground.h"
#include "reading/ReadingController.h"
#include "settings/AtomicFile.h"
#include "settings/SettingsStore.h"
#include "workspace/DocumentCommands.h"
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QShortcut>
#include <utility>

ListeningParts::ListeningParts(const Parts &parts)
    : parts(parts), textTimer(this), placeTimer(this),
      saves(textTimer, placeTimer, {[this] { WriteText(); }, [this] { WritePlace(); }}),
      writer(std::make_unique<ThreadTask>()), player(parts.reading, clock),
      sleepTimer({parts.window, parts.viewMenu, parts.options, parts.reading, parts.foreign, parts.russian, clock}),
      mediaPlayer(player, {[this] { ForceForeground(&this->parts.window); }, [this] { this->parts.window.close(); },
                           [this] { return TitleShown(); }, [this] { return title.author; }})
{
    textWritten = qHash(parts.re1Area.Text());
    textTimer.setObjectName("TmSaveText");
    placeTimer.setObjectName("TmSavePlace");
    // A new document's name comes with its text, once the text is in place.
    OnSignal(parts.re1, &QPlainTextEdit::textChanged, this, "the text kept", [this] {
        saves.TextChanged();
        QMetaObject::invokeMethod(
            this, [this] { Guarded("the document's title", [this] { ReadTitleOfNewDocument(); }); },
            Qt::QueuedConnection);
    });
    OnSignal(qGuiApp, &QGuiApplication::applicationStateChanged, this, "the text kept on leaving",
             [this](Qt::ApplicationState state) {
                 if (state != Qt::ApplicationActive)
                     saves.FocusLost();
             });
    parts.reading.OnStateChanged = [this] { ReadingChanged(); };
    player.OnPieceStarted = [this] {
        mediaPlayer.ReadingChanged();
        sleepTimer.PieceStarted(player.SpokenPiece());
    };
    parts.window.installEventFilter(this);
    TakeMediaKeys();
}

ListeningParts::~ListeningParts()
{
    parts.reading.OnStateChanged = nullptr;
    parts.window.removeEventFilter(this);
}

// The close writes the text and the place itself, after the writes under way.
bool ListeningParts::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &parts.window && event->type() == QEvent::Close) {
        saves.Closing();
        WaitForWrites();
    }
    return QObject::eventFilter(watched, event);
}

void ListeningParts::ReadingChanged()
{
    const ReadingController &reading = parts.reading;
    saves.ReadingChanged(reading.ReadingActive() && !reading.ReadingPaused());
    mediaPlayer.ReadingChanged();
    sleepTimer.ReadingChanged();
}

// The media keys while the window has the focus; elsewhere the desktop hands them over the bus.
void ListeningParts::TakeMediaKeys()
{
    const std::pair<Qt::Key, void (ReadingAsPlayer::*)()> keys[] = {
        {Qt::Key_MediaPlay, &ReadingAsPlayer::Play},       {Qt::Key_MediaPause, &ReadingAsPlayer::Pause},
        {Qt::Key_MediaTogglePlayPause, &ReadingAsPlayer::PlayPause}, {Qt::Key_MediaStop, &ReadingAsPlayer::Stop},
        {Qt::Key_MediaNext, &ReadingAsPlayer::Next},       {Qt::Key_MediaPrevious, &ReadingAsPlayer::Previous},
    };
    for (const auto &[key, command] : keys) {
        auto *shortcut = new QShortcut(QKeySequence(key), &parts.window);
        OnSignal(shortcut, &QShortcut::activated, this, "a media key",
                 [this, command = command] { (player.*command)(); });
    }
}

// What the document shown says of itself is read away from the window.
void ListeningParts::ReadTitleOfNewDocument()
{
    const QString document = parts.documents.ShownDocument();
    if (document == titledDocument)
        return;
    titledDocument = document;
    title = {};
    if (document.isEmpty())
        return;
    titleReader.Start([this, document](const BackgroundTask::ToWindow &toWindow, const std::atomic_bool &) {
        toWindow([this, document, read = ReadDocumentTitle(document)] {
            if (document != titledDocument)
                return;
            title = read;
            mediaPlayer.ReadingChanged();
        });
    });
}

// The document's own title, else its file name, else the program's name for a text of no file.
QString ListeningParts::TitleShown() const
{
    if (!title.title.isEmpty())
        return title.title;
    const QString document = parts.documents.ShownDocument();
    return document.isEmpty() ? QStringLiteral("Lektavo") : QFileInfo(document).fileName();
}

// The colouring of the spoken piece changes the text area's contents as well: only a text of
// other characters is written.
void ListeningParts::WriteText()
{
    const QString text = parts.re1Area.Text();
    if (std::exchange(textWritten, qHash(text)) != textWritten)
        WriteInBackground(parts.settings.LastEditPath(), text.toUtf8());
}

// As the close keeps it: the selection in the settings, which go whole as the exit gathers them
// (a first run's record has no voices yet), and the document's place.
void ListeningParts::WritePlace()
{
    parts.settings.CloseQuery(parts.re1Area.SelStart(), parts.re1Area.SelLength());
    parts.documents.RememberPlace();
    WriteInBackground(parts.settings.SettingsPath(), parts.settings.Gathered(parts.controls).Bytes());
}

// One write at a time, in the order they were asked for; a failure waits for the next one or
// for the close, which tells of it.
void ListeningParts::WriteInBackground(const QString &path, QByteArray data)
{
    writer->Start([path, data = std::move(data)](const BackgroundTask::ToWindow &, const std::atomic_bool &) {
        WriteFileAtomically(path, data);
    });
}

void ListeningParts::WaitForWrites()
{
    writer = std::make_unique<ThreadTask>();
}
