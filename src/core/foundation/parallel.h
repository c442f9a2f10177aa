#pragma once
// Work split over the machine's cores, for the many small, independent pieces a file holds.

#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace quillora {

// Runs `job(0)` .. `job(count - 1)` on as many threads as the machine has cores, this one among
// them, and returns once every piece is done. Each piece must touch only what is its own.
template <typename Job> void forEachInParallel(int count, const Job &job)
{
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i = next++; i < count; i = next++)
            job(i);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < std::min(QThread::idealThreadCount(), count); ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread &helper : helpers)
        helper.join();
}

} // namespace quillora
