#include "app/Application.h"
#include "LektavoVersion.h"
#include "app/TFormHello.h"
#include "app/TLektavo.h"
#include "platform/Guarded.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/speech/SpeechSystem.h"
#include "platform/system/ProgramFolder.h"
#include "platform/system/SingleInstance.h"
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {
// The icon rendered at each size in the resources.
QIcon ProgramIcon()
{
    QIcon icon;
    for (const QFileInfo &file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    return icon;
}
}

// The application's name gives the windows their class ("Lektavo"), and the desktop file's name
// their application id on Wayland: both as the desktop entry names them.
LektavoApplication::LektavoApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Lektavo"));
    setApplicationName(QStringLiteral("Lektavo"));
    setDesktopFileName(QStringLiteral(LEKTAVO_DESKTOP_ID));
    setWindowIcon(ProgramIcon());
    SpeakRussian(*this);
}

bool SpeakRussian(QCoreApplication &application)
{
    auto *translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

bool LektavoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &failure) {
        ApplicationEvents1Exception(failure.what());
    } catch (...) {
        ApplicationEvents1Exception("an exception of unknown type");
    }
    return false;
}

// A failure that no command caught: the handler it broke off ends there, told as a warning.
void LektavoApplication::ApplicationEvents1Exception(const char *reason)
{
    LogDropped("an event handler", reason, Failure::Seen);
}

namespace {
// Tells the caller when the main window has first been exposed on the screen.
class ShownWatcher : public QObject {
public:
    ShownWatcher(QWidget *window, std::function<void(QWidget *)> shown)
        : window(window), shown(std::move(shown))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window && event->type() == QEvent::Paint && shown) {
            window->removeEventFilter(this);
            std::exchange(shown, nullptr)(window);
        }
        return false;
    }

private:
    QWidget *window;
    std::function<void(QWidget *)> shown;
};

// What a later start asks of the running instance: to open the document it was given, or to come
// forward.
QString HandOverCommand(const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return QStringLiteral("raise");
    return SingleInstance::OpenCommand(arguments.first());
}

// The commands of later starts, carried out by the main window; those that arrive while the
// splash is up and the window is not made yet wait for it.
class LaterStarts : public QObject {
public:
    explicit LaterStarts(SingleInstance &instance)
    {
        connect(&instance, &SingleInstance::CommandReceived, this, [this](const QString &command) {
            if (window)
                CarryOut(command);
            else
                waiting << command;
        });
    }

    void ServeWith(TLektavo &mainWindow)
    {
        window = &mainWindow;
        for (const QString &command : std::exchange(waiting, {}))
            CarryOut(command);
    }

private:
    void CarryOut(const QString &command)
    {
        if (command == QLatin1String("raise"))
            window->BringForward();
        else if (command == QLatin1String("activate"))
            window->ActivationMessage();
        else if (const QString document = SingleInstance::DocumentToOpen(command); !document.isEmpty())
            window->OpenDocument(document);
    }

    TLektavo *window = nullptr;
    QStringList waiting;
};
}

int StartLektavo(const StartupEnvironment &environment)
{
    SingleInstance instance(environment.socketPath);
    const QString handOver = HandOverCommand(environment.arguments);
    if (instance.SendToRunning(handOver))
        return 0;
    if (!instance.Listen() && instance.SendToRunning(handOver))
        return 0;
    LaterStarts laterStarts(instance);

    QPointer<TFormHello> splash = new TFormHello;
    if (!splash->FormCreate(environment.speechAvailable)) {
        delete splash;
        return 1;
    }
    splash->show();
    splash->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    TLektavo window(environment.arguments, environment.programFolder(), environment.voiceEngines(), splash,
                    std::make_unique<QSettingsOptions>());
    laterStarts.ServeWith(window);
    ShownWatcher watcher(&window, environment.mainWindowShown);
    return QApplication::exec();
}

StartupEnvironment DefaultStartupEnvironment(const QStringList &arguments, SpeechSystem &speech)
{
    StartupEnvironment environment;
    environment.arguments = arguments.mid(1, 1);
    environment.socketPath = SingleInstance::DefaultSocketPath();
    environment.programFolder = [] { return ProgramFolder(); };
    environment.speechAvailable = [&speech] { return speech.Available(); };
    environment.voiceEngines = [&speech] {
        return VoiceEngines{speech.NewEngine(), speech.NewEngine(), speech.NewRenderer()};
    };
    return environment;
}

int RunLektavo(int argc, char *argv[])
{
    LektavoApplication app(argc, argv);
    SpeechSystem speech;
    return StartLektavo(DefaultStartupEnvironment(app.arguments(), speech));
}
