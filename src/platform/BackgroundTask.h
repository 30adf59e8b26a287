#pragma once
#include <atomic>
#include <functional>

// Runs one piece of work at a time away from the user-interface thread. The work hands steps to
// the user-interface thread, which runs them from its event loop, each as a boundary whose
// failure is dropped; steps handed on after the task is destroyed never run.
class BackgroundTask {
public:
    using ToWindow = std::function<void(std::function<void()> step)>;
    using Work = std::function<void(const ToWindow &toWindow, const std::atomic_bool &cancelled)>;

    virtual ~BackgroundTask() = default;  // cancels the work and waits for its end
    virtual void Start(Work work) = 0;    // once the work before has ended
    virtual void Cancel() = 0;            // raises the flag the work watches
};
