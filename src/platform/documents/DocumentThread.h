#pragma once
#include "platform/DocumentLoader.h"
#include <QObject>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Runs conversions on a thread of its own, one at a time, and delivers each result on the thread
// that made it, from that thread's event loop. Destroying it cancels the running conversion and
// waits for it to end (LibreOffice is killed at once, the built-in converters stop soon).
class DocumentThread : public QObject, public DocumentLoader {
    Q_OBJECT
public:
    explicit DocumentThread(DocumentConverter &converter);
    ~DocumentThread() override;

    void Load(const QString &path, Delivery deliver) override;
    void Cancel() override;
    bool IsLoading() const override { return bool(deliver); }

private:
    struct Job {
        quint64 number;
        QString path;
    };

    void Work();
    void Deliver(quint64 job, ConvertedDocument document);

    DocumentConverter &converter;
    Delivery deliver;  // of the latest Load, on the loader's own thread only

    std::mutex mutex;  // guards what follows
    std::condition_variable wake;
    quint64 latestJob = 0;
    std::optional<Job> waiting;
    std::stop_source running;
    bool ending = false;

    std::thread worker;
};
