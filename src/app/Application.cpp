#include "app/Application.h"
#include "app/TFormHello.h"
#include "app/TLektavo.h"
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
    } catch (...) {
        ApplicationEvents1Exception();
        return false;
    }
}

void LektavoApplication::ApplicationEvents1Exception()
{
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
    QApplication::processEvents();

    TLektavo window(environment.arguments, environment.programFolder(), splash);
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
    return environment;
}

int RunLektavo(int argc, char *argv[])
{
    LektavoApplication app(argc, argv);
    return StartLektavo(DefaultStartupEnvironment(app.arguments()));
}
