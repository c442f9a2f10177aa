#pragma once
// One thread of its own for the slow part of saving and opening: packing and unpacking, encoding
// and decoding pictures. A job takes everything it needs by value (pictures are implicitly
// shared, so a snapshot of the page costs nothing until someone paints) and shares nothing
// mutable with the caller; its result comes back on the caller's thread. Autosave hands its
// saves to the same worker without waiting for them.

#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <atomic>
#include <optional>
#include <utility>

namespace quillora {

class FileWorker {
public:
    FileWorker();
    // Lets a running job finish, then stops the thread.
    ~FileWorker();
    FileWorker(const FileWorker &) = delete;
    FileWorker &operator=(const FileWorker &) = delete;

    bool isBusy() const { return m_busy.load() > 0; }

    // Runs `job` on the worker's thread and returns its result. Meanwhile this thread keeps
    // handling its events (repaints, timers), except the user's input, which waits until the job
    // is done: a press meant for the page never lands in the middle of a save.
    template <typename Job> auto runAndWait(Job job) -> decltype(job());

    // Runs `job` on the worker's thread after the jobs before it and returns at once; `done`
    // gets the result on `receiver`'s thread. The receiver must stay until finishPending().
    template <typename Job, typename Done> void post(Job job, QObject *receiver, Done done);

    // Blocks, running no events, until every job handed over so far has finished; the results
    // of posted jobs are then waiting in their receivers' queues.
    void finishPending();

private:
    QThread m_thread;
    QObject *m_inThread; // receives the jobs; lives in m_thread
    std::atomic<int> m_busy{0};
};

template <typename Job> auto FileWorker::runAndWait(Job job) -> decltype(job())
{
    using Result = decltype(job());
    std::optional<Result> result;
    QEventLoop loop;
    ++m_busy;
    QMetaObject::invokeMethod(
        m_inThread,
        [&loop, &result, job = std::move(job)]() mutable {
            Result done = job();
            // Handed back through the caller's event loop, so it is read on the caller's thread.
            QMetaObject::invokeMethod(
                &loop,
                [&loop, &result, done = std::move(done)]() mutable {
                    result = std::move(done);
                    loop.quit();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    --m_busy;
    return std::move(*result);
}

template <typename Job, typename Done> void FileWorker::post(Job job, QObject *receiver, Done done)
{
    ++m_busy;
    QMetaObject::invokeMethod(
        m_inThread,
        [this, receiver, job = std::move(job), done = std::move(done)]() mutable {
            auto result = job();
            QMetaObject::invokeMethod(
                receiver,
                [done = std::move(done), result = std::move(result)]() mutable {
                    done(std::move(result));
                },
                Qt::QueuedConnection);
            --m_busy;
        },
        Qt::QueuedConnection);
}

} // namespace quillora
