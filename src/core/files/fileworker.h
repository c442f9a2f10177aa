#pragma once
// One thread of its own for the slow part of saving and opening: packing and unpacking, encoding
// and decoding pictures. A job takes everything it needs by value (pictures are implicitly
// shared, so a snapshot of the page costs nothing until someone paints) and shares nothing
// mutable with the caller; its result comes back on the caller's thread. Autosave can hand its
// saves to the same worker.

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

} // namespace quillora
