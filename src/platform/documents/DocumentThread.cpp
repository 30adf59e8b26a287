#include "DocumentThread.h"
#include "platform/Guarded.h"

DocumentThread::DocumentThread(DocumentConverter &converter)
    : converter(converter), worker([this] { Work(); })
{
}

DocumentThread::~DocumentThread()
{
    {
        const std::lock_guard lock(mutex);
        ending = true;
        running.request_stop();
    }
    wake.notify_one();
    worker.join();
}

void DocumentThread::Load(const QString &path, Delivery newDeliver)
{
    {
        const std::lock_guard lock(mutex);
        waiting = Job{++latestJob, path};
        running.request_stop();
    }
    deliver = std::move(newDeliver);
    wake.notify_one();
}

void DocumentThread::Cancel()
{
    {
        const std::lock_guard lock(mutex);
        ++latestJob;
        waiting.reset();
        running.request_stop();
    }
    deliver = nullptr;
}

void DocumentThread::Work()
{
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return ending || waiting; });
        if (ending)
            return;
        const Job job = *std::exchange(waiting, std::nullopt);
        running = std::stop_source();
        const std::stop_token stop = running.get_token();
        lock.unlock();
        ConvertedDocument document;
        if (!Guarded("converting a document", [&] { document = converter.Convert(job.path, stop); }))
            document = ConvertedDocument::OpenFailed();
        QMetaObject::invokeMethod(this, [this, number = job.number, document = std::move(document)]() mutable {
            Deliver(number, std::move(document));
        }, Qt::QueuedConnection);
        lock.lock();
    }
}

void DocumentThread::Deliver(quint64 job, ConvertedDocument document)
{
    {
        const std::lock_guard lock(mutex);
        if (job != latestJob)
            return;
    }
    if (!deliver)
        return;
    std::exchange(deliver, nullptr)(std::move(document));
}
