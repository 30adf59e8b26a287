#include "ThreadTask.h"
#include "platform/Guarded.h"
#include <QMetaObject>

ThreadTask::ThreadTask() : steps(std::make_unique<QObject>())
{
}

// The steps still queued go with their receiver, after the thread that queues them has ended.
ThreadTask::~ThreadTask()
{
    Cancel();
    Join();
}

void ThreadTask::Join()
{
    if (thread.joinable())
        thread.join();
}

void ThreadTask::Start(Work work)
{
    Join();
    cancelled = false;
    QObject *receiver = steps.get();
    const ToWindow toWindow = [receiver](std::function<void()> step) {
        QMetaObject::invokeMethod(
            receiver, [step = std::move(step)] { Guarded("a step of the background work", step); },
            Qt::QueuedConnection);
    };
    thread = std::thread([this, work = std::move(work), toWindow] { work(toWindow, cancelled); });
}
