#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace transcalc {

// The threads that the adviser's searches run on. Whoever searches, the
// window's dialog or the command line, makes one and keeps it: a search
// starts no thread of its own, and one dialog's searches share the same.
class AdviserPool {
public:
    // threads: the pool's own, beside the thread that calls ForEach; none
    // leaves every job to that thread.
    explicit AdviserPool(unsigned threads);
    // Runs the tasks posted and not yet run, then ends the threads.
    ~AdviserPool();
    AdviserPool(const AdviserPool&) = delete;
    AdviserPool& operator=(const AdviserPool&) = delete;

    // One thread for each core of the machine, at least one.
    static unsigned MachineThreads();

    // Runs task on one of the pool's threads, or at once on the calling
    // thread when the pool has none; the future is ready when it is done.
    std::future<void> Post(std::function<void()> task);

    // Runs job(i) once for every i below count, on the calling thread and
    // the pool's threads that are free, in no fixed order, and returns when
    // all have returned. The calling thread can finish them alone, so a
    // posted task may call it. After a job throws no new index is taken,
    // and the first exception is rethrown here.
    void ForEach(std::size_t count, const std::function<void(std::size_t)>& job);

private:
    void Work(std::stop_token stop);

    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<std::function<void()>> tasks_;
    std::vector<std::jthread> threads_;
};

}  // namespace transcalc
