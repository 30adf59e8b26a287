#pragma once
#include "voices/VoiceChannel.h"
#include <QApplication>
#include <QStringList>
#include <functional>

class SpeechSystem;

// Every command and event handler catches its own failures (Guarded); this catch is the last
// resort for one that does not: the interrupted handler ends early, silently, and nothing
// reaches Qt.
class LektavoApplication : public QApplication {
public:
    LektavoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
    static void ApplicationEvents1Exception(const char *reason);
};

// Qt's own texts (the standard dialogs, the buttons of message boxes, the text fields' context
// menus) in Russian, as the rest of the program, whatever language the system speaks; false when
// the translations are not installed.
bool SpeakRussian(QCoreApplication &application);

struct StartupEnvironment {
    QStringList arguments;                     // the optional document path
    QString socketPath;                        // where a running instance listens
    std::function<QString()> programFolder;    // where the state files live
    std::function<bool()> speechAvailable;     // the presence check of the speech engines
    std::function<VoiceEngines()> voiceEngines;  // the foreign and the Russian voice's engine, the renderer
    std::function<void(QWidget *)> mainWindowShown;  // for measurements
};

// Runs the start-up and the event loop; returns the process's exit code.
int StartLektavo(const StartupEnvironment &environment);

// The environment of a real start: the user's socket, program folder and the engines and renderer
// of speech, which outlives the start.
StartupEnvironment DefaultStartupEnvironment(const QStringList &arguments, SpeechSystem &speech);

// The program's entry: single instance, splash, presence check, main window, event loop.
int RunLektavo(int argc, char *argv[]);
