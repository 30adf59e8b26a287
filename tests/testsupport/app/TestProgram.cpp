// Linked into every test program that links the widgets: a write to a service that went away
// fails as it does in the program, and no message box, question or dialog can wait for a click.
#include "app/AudioExportWindow.h"
#include "app/Dialogs.h"
#include <QCoreApplication>
#include <QTest>
#include <csignal>
#include <pthread.h>

namespace {

void FailUnanswered(const char *dialog, const QString &text = {})
{
    QByteArray failure = QByteArray("a ") + dialog + " that the test did not answer";
    if (!text.isEmpty())
        failure += ": " + text.toUtf8();
    if (QTest::runningTest())
        QTest::qFail(failure.constData(), __FILE__, __LINE__);
    else
        qFatal("%s", failure.constData());
}

void FailUnansweredMessage(const QString &text)
{
    FailUnanswered("message box", text);
}

// main ignores SIGPIPE, so that a write to a service that went away fails with EPIPE. Qt Test
// puts its crash handler in place of an ignored SIGPIPE when it starts the tests, so here the
// signal is blocked instead, with the same effect for this thread and every thread it starts.
void BlockBrokenPipeSignal()
{
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
}

void PrepareTestProgram()
{
    BlockBrokenPipeSignal();
    Dialogs::MessageHook = FailUnansweredMessage;
    Dialogs::QuestionHook = [](const QString &text, const QStringList &) {
        FailUnanswered("question", text);
        return -1;
    };
    Dialogs::FontHook = [](const QFont &) -> std::optional<QFont> {
        FailUnanswered("font dialog");
        return std::nullopt;
    };
    Dialogs::ColourHook = [](const QColor &) -> std::optional<QColor> {
        FailUnanswered("colour dialog");
        return std::nullopt;
    };
    Dialogs::OpenFileHook = [](const QString &) -> std::optional<QString> {
        FailUnanswered("open dialog");
        return std::nullopt;
    };
    Dialogs::SaveFileHook = [](const QString &, const QString &) -> std::optional<QString> {
        FailUnanswered("save dialog");
        return std::nullopt;
    };
    AudioExportWindow::PartsHook = [](const QStringList &, const ExportParts &) -> std::optional<ExportParts> {
        FailUnanswered("audio parts dialog");
        return std::nullopt;
    };
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(PrepareTestProgram)
