#include "platform/documents/DocumentThread.h"
#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <condition_variable>

namespace {

using namespace std::chrono_literals;

// Converts a path into its own text, but only once released, or gives up when stopped; it
// counts how many conversions ever ran at the same time.
class HeldConverter : public DocumentConverter {
public:
    ConvertedDocument Convert(const QString &path, std::stop_token stop) override
    {
        const int running = ++runningNow;
        mostAtOnce = std::max(mostAtOnce.load(), running);
        std::unique_lock lock(mutex);
        const std::stop_callback wakeOnStop(stop, [this] { released.notify_all(); });
        released.wait(lock, [&] { return open || stop.stop_requested(); });
        --runningNow;
        if (stop.stop_requested()) {
            ++stopped;
            return ConvertedDocument::Cancelled();
        }
        return ConvertedDocument::Text(path);
    }

    void Release()
    {
        {
            const std::lock_guard lock(mutex);
            open = true;
        }
        released.notify_all();
    }

    std::atomic<int> runningNow = 0, mostAtOnce = 0, stopped = 0;

private:
    std::mutex mutex;
    std::condition_variable released;
    bool open = false;
};

struct Delivered {
    QStringList texts;
    bool onTheUiThread = true;

    DocumentLoader::Delivery Into()
    {
        return [this](ConvertedDocument document) {
            texts.append(document.text);
            onTheUiThread = onTheUiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        };
    }
};

// A thread whose converter holds every conversion until released.
struct HeldThread {
    HeldConverter converter;
    DocumentThread thread{converter};
    Delivered delivered;

    // Starts converting path and waits until the converter holds it.
    bool Holding(const QString &path)
    {
        thread.Load(path, delivered.Into());
        return QTest::qWaitFor([this] { return converter.runningNow == 1; });
    }
};

}  // namespace

class TestDocumentThread : public QObject {
    Q_OBJECT

private slots:
    void deliversOnTheUiThreadWhileItKeepsRunning()
    {
        HeldThread held;
        int ticks = 0;
        QTimer ticking;
        connect(&ticking, &QTimer::timeout, [&ticks] { ++ticks; });
        ticking.start(10);

        QVERIFY(held.Holding(QStringLiteral("book.fb2")));
        QVERIFY(held.thread.IsLoading());
        QTRY_VERIFY(ticks >= 5);
        QVERIFY(held.delivered.texts.isEmpty());
        held.converter.Release();
        QTRY_COMPARE(held.delivered.texts, QStringList{QStringLiteral("book.fb2")});
        QVERIFY(held.delivered.onTheUiThread);
        QVERIFY(!held.thread.IsLoading());
    }

    void aSecondLoadReplacesTheFirst()
    {
        HeldThread held;
        QVERIFY(held.Holding(QStringLiteral("first.doc")));
        held.thread.Load(QStringLiteral("second.doc"), held.delivered.Into());
        QTRY_COMPARE(held.converter.stopped.load(), 1);
        held.converter.Release();
        QTRY_COMPARE(held.delivered.texts, QStringList{QStringLiteral("second.doc")});
        QCOMPARE(held.converter.mostAtOnce.load(), 1);
    }

    void cancelledNeverDelivers()
    {
        HeldThread held;
        QVERIFY(held.Holding(QStringLiteral("book.epub")));
        held.thread.Cancel();
        QVERIFY(!held.thread.IsLoading());
        QTRY_COMPARE(held.converter.stopped.load(), 1);
        held.converter.Release();
        QTest::qWait(50);
        QVERIFY(held.delivered.texts.isEmpty());
    }

    void destroyingItEndsTheConversion()
    {
        HeldConverter converter;
        Delivered delivered;
        auto thread = std::make_unique<DocumentThread>(converter);
        thread->Load(QStringLiteral("book.pdf"), delivered.Into());
        QTRY_COMPARE(converter.runningNow.load(), 1);
        thread.reset();
        QCOMPARE(converter.stopped.load(), 1);
        QCoreApplication::processEvents();
        QVERIFY(delivered.texts.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDocumentThread)
#include "tst_DocumentThread.moc"
