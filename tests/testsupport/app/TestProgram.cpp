// Linked into every test program that links the widgets: a write to a service that went away
// fails as it does in the program, and a message box can never wait for a click.
#include "app/Dialogs.h"
#include <QCoreApplication>
#include <QTest>
#include <csignal>
#include <pthread.h>

namespace {

void FailUnansweredMessage(const QString &text)
{
    const QByteArray failure = "a message box that the test did not answer: " + text.toUtf8();
    if (QTest::runningTest())
        QTest::qFail(failure.constData(), __FILE__, __LINE__);
    else
        qFatal("%s", failure.constData());
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
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(PrepareTestProgram)
