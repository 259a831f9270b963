#include "AdviserPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <future>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace transcalc {
namespace {

using namespace std::chrono_literals;

TEST(AdviserPool, RunsEveryIndexOnce) {
    struct Case {
        unsigned threads;
        std::size_t count;
    };
    for (const Case c : {Case{0, 0}, Case{0, 5}, Case{1, 1}, Case{2, 100}, Case{6, 3}}) {
        AdviserPool pool(c.threads);
        std::vector<std::atomic<int>> runs(c.count);
        pool.ForEach(c.count, [&runs](std::size_t i) { ++runs[i]; });
        for (std::size_t i = 0; i < c.count; ++i) {
            EXPECT_EQ(runs[i], 1) << c.threads << " threads, index " << i << " of " << c.count;
        }
    }
}

// Three jobs that each wait for the other two can only end when the caller
// and both of the pool's threads run them at once.
TEST(AdviserPool, ThePoolsThreadsWorkBesideTheCaller) {
    AdviserPool pool(2);
    std::mutex mutex;
    std::condition_variable arrived;
    std::size_t present = 0;
    std::set<std::thread::id> threads;
    bool allMet = true;
    pool.ForEach(3, [&](std::size_t) {
        std::unique_lock lock(mutex);
        ++present;
        threads.insert(std::this_thread::get_id());
        arrived.notify_all();
        allMet = arrived.wait_for(lock, 10s, [&] { return present == 3; }) && allMet;
    });
    EXPECT_TRUE(allMet);
    EXPECT_EQ(threads.size(), 3u);
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 1u);
}

TEST(AdviserPool, AFailureEndsTheTakingAndReachesTheCaller) {
    for (const unsigned threads : {0u, 2u}) {
        AdviserPool pool(threads);
        std::atomic<std::size_t> started = 0;
        const auto failAtFive = [&started](std::size_t i) {
            ++started;
            if (i == 5) {
                throw std::runtime_error("core 5");
            }
        };
        EXPECT_THROW(pool.ForEach(1000, failAtFive), std::runtime_error) << threads;
        if (threads == 0) {
            EXPECT_EQ(started, 6u);  // 0 to 5, in order, then nothing
        }
        std::atomic<std::size_t> after = 0;
        pool.ForEach(10, [&after](std::size_t) { ++after; });
        EXPECT_EQ(after, 10u) << threads;
    }
}

TEST(AdviserPool, PostRunsOnThePoolOrAtOnceWithoutThreads) {
    const std::thread::id caller = std::this_thread::get_id();
    AdviserPool pool(1);
    std::thread::id ran;
    pool.Post([&ran] { ran = std::this_thread::get_id(); }).get();
    EXPECT_NE(ran, caller);

    AdviserPool none(0);
    std::future<void> done = none.Post([&ran] { ran = std::this_thread::get_id(); });
    EXPECT_EQ(done.wait_for(0s), std::future_status::ready);
    EXPECT_EQ(ran, caller);
}

// As the dialog does: the whole search posted, its cores shared out from
// there. The pool's one thread runs the posted task, so it must run every
// job itself rather than wait for a free thread.
TEST(AdviserPool, APostedTaskSharesOutOnTheSamePool) {
    AdviserPool pool(1);
    std::atomic<std::size_t> jobs = 0;
    std::future<void> done = pool.Post([&] { pool.ForEach(50, [&jobs](std::size_t) { ++jobs; }); });
    ASSERT_EQ(done.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(jobs, 50u);
}

TEST(AdviserPool, EndsOnlyAfterThePostedTasks) {
    std::atomic<int> ran = 0;
    {
        AdviserPool pool(1);
        for (int i = 0; i < 3; ++i) {
            pool.Post([&ran] {
                std::this_thread::sleep_for(5ms);
                ++ran;
            });
        }
    }
    EXPECT_EQ(ran, 3);
}

}  // namespace
}  // namespace transcalc
