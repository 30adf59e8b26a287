#pragma once
#include "app/MediaPlayerService.h"
#include "app/SleepTimerMenu.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtTimer.h"
#include "platform/documents/DocumentTitle.h"
#include "platform/qt/ThreadTask.h"
#include "reading/ReadingAsPlayer.h"
#include "workspace/PeriodicSaves.h"
#include <QObject>
#include <memory>

class DocumentCommands;
class OptionsStore;
class QMenu;
class QPlainTextEdit;
class QWidget;
class ReadingController;
class SettingsStore;
struct SettingsControls;
class TDirectSS;
class TextArea;

// What a long listening needs besides the reading tab: the reading as a media player on the
// session bus and under the media keys, the sleep timer, and the text and the reading place written while the
// program runs, on a thread of their own, so that a crash loses at most half a minute of either.
class ListeningParts : public QObject {
public:
    struct Parts {
        QWidget &window;
        QPlainTextEdit *re1;
        TextArea &re1Area;
        SettingsStore &settings;
        const SettingsControls &controls;  // what the exit gathers into "Data.dat"
        DocumentCommands &documents;
        ReadingController &reading;
        QMenu *viewMenu;
        OptionsStore &options;
        TDirectSS &foreign, &russian;
    };
    explicit ListeningParts(const Parts &parts);
    ~ListeningParts() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void WriteText();
    void WritePlace();
    void WriteInBackground(const QString &path, QByteArray data);
    void WaitForWrites();
    void ReadingChanged();
    void TakeMediaKeys();
    void ReadTitleOfNewDocument();
    QString TitleShown() const;

    Parts parts;
    QtTimer textTimer, placeTimer;
    PeriodicSaves saves;
    std::unique_ptr<ThreadTask> writer;
    size_t textWritten = 0;  // the hash of the text as "LastEdit" has it
    QtClock clock;
    ReadingAsPlayer player;
    SleepTimerMenu sleepTimer;
    QString titledDocument;  // the document whose title is read, or is being read
    DocumentTitle title;
    MediaPlayerService mediaPlayer;
    ThreadTask titleReader;  // its steps reach the parts above until it goes, first
};
