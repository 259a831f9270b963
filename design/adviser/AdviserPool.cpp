#include "AdviserPool.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>

namespace transcalc {
namespace {

// One ForEach: the indices not yet taken and the jobs still running. The
// helpers share it, as one may start only after the caller has returned.
struct Batch {
    std::function<void(std::size_t)> job;
    std::size_t count = 0;
    std::mutex mutex;
    std::condition_variable finished;
    std::size_t next = 0;
    std::size_t running = 0;
    std::exception_ptr failure;
};

// Takes indices until none is left.
void Drain(Batch& batch) {
    std::unique_lock lock(batch.mutex);
    while (batch.next < batch.count) {
        const std::size_t index = batch.next++;
        ++batch.running;
        lock.unlock();
        std::exception_ptr failure;
        try {
            batch.job(index);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        if (failure) {
            batch.failure = batch.failure ? batch.failure : failure;
            batch.next = batch.count;
        }
        if (--batch.running == 0 && batch.next >= batch.count) {
            batch.finished.notify_all();
        }
    }
}

}  // namespace

AdviserPool::AdviserPool(unsigned threads) {
    threads_.reserve(threads);
    for (unsigned i = 0; i < threads; ++i) {
        threads_.emplace_back([this](std::stop_token stop) { Work(stop); });
    }
}

AdviserPool::~AdviserPool() {
    threads_.clear();  // each asked to stop, then joined
}

unsigned AdviserPool::MachineThreads() {
    return std::max(1u, std::thread::hardware_concurrency());
}

void AdviserPool::Work(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    // Once asked to stop, the tasks still waiting are run before the end.
    while (wake_.wait(lock, stop, [this] { return !tasks_.empty(); })) {
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        lock.unlock();
        task();
        lock.lock();
    }
}

std::future<void> AdviserPool::Post(std::function<void()> task) {
    auto packaged = std::make_shared<std::packaged_task<void()>>(std::move(task));
    std::future<void> done = packaged->get_future();
    if (threads_.empty()) {
        (*packaged)();
        return done;
    }
    {
        const std::lock_guard lock(mutex_);
        tasks_.emplace_back([packaged] { (*packaged)(); });
    }
    wake_.notify_one();
    return done;
}

void AdviserPool::ForEach(std::size_t count, const std::function<void(std::size_t)>& job) {
    auto batch = std::make_shared<Batch>();
    batch->job = job;
    batch->count = count;
    const std::size_t helpers = std::min<std::size_t>(threads_.size(), count > 0 ? count - 1 : 0);
    if (helpers > 0) {
        {
            const std::lock_guard lock(mutex_);
            for (std::size_t i = 0; i < helpers; ++i) {
                tasks_.emplace_back([batch] { Drain(*batch); });
            }
        }
        wake_.notify_all();
    }
    Drain(*batch);
    std::unique_lock lock(batch->mutex);
    batch->finished.wait(lock, [&batch] { return batch->running == 0; });
    if (batch->failure) {
        std::rethrow_exception(batch->failure);
    }
}

}  // namespace transcalc
