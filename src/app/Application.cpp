#include "app/Application.h"
#include "app/TFormHello.h"
#include "app/TLektavo.h"
#include "platform/Guarded.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/system/ProgramFolder.h"
#include "platform/system/SingleInstance.h"
#include <QEvent>
#include <QPointer>

LektavoApplication::LektavoApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Lektavo"));
    setApplicationName(QStringLiteral("Lektavo"));
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

// A failure that no command caught: the handler it broke off ends there, silently.
void LektavoApplication::ApplicationEvents1Exception(const char *reason)
{
    LogDropped("an event handler", reason);
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
}

int StartLektavo(const StartupEnvironment &environment)
{
    SingleInstance instance(environment.socketPath);
    if (instance.SendToRunning(QStringLiteral("raise")))
        return 0;
    if (!instance.Listen() && instance.SendToRunning(QStringLiteral("raise")))
        return 0;

    QPointer<TFormHello> splash = new TFormHello;
    if (!splash->FormCreate(environment.speechAvailable)) {
        delete splash;
        return 1;
    }
    splash->show();
    splash->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    TLektavo window(environment.arguments, environment.programFolder(), environment.voiceEngines(), splash);
    QObject::connect(&instance, &SingleInstance::CommandReceived, &window,
                     [&window](const QString &command) {
                         if (command == QLatin1String("raise"))
                             window.BringForward();
                         else if (command == QLatin1String("activate"))
                             window.ActivationMessage();
                     });
    ShownWatcher watcher(&window, environment.mainWindowShown);
    return QApplication::exec();
}

StartupEnvironment DefaultStartupEnvironment(const QStringList &arguments)
{
    StartupEnvironment environment;
    environment.arguments = arguments.mid(1, 1);
    environment.socketPath = SingleInstance::DefaultSocketPath();
    environment.programFolder = [] { return ProgramFolder(); };
    environment.speechAvailable = SpeechAvailable;
    environment.voiceEngines = [] { return VoiceEngines{std::make_unique<SpeechEngine>(), std::make_unique<SpeechEngine>()}; };
    return environment;
}

int RunLektavo(int argc, char *argv[])
{
    LektavoApplication app(argc, argv);
    return StartLektavo(DefaultStartupEnvironment(app.arguments()));
}
