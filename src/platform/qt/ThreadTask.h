#pragma once
#include "platform/BackgroundTask.h"
#include <QObject>
#include <memory>
#include <thread>

// A background task on a thread of its own; its steps run in the event loop of the thread that
// created it.
class ThreadTask : public BackgroundTask {
public:
    ThreadTask();
    ~ThreadTask() override;
    ThreadTask(const ThreadTask &) = delete;
    ThreadTask &operator=(const ThreadTask &) = delete;

    void Start(Work work) override;
    void Cancel() override { cancelled = true; }

private:
    void Join();

    std::unique_ptr<QObject> steps;  // receives the steps handed to the window
    std::atomic_bool cancelled = false;
    std::thread thread;
};
