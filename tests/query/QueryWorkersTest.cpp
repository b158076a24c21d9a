#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "query/QueryWorkers.h"

namespace {
// Jobs that hold their worker until the gate opens, and count themselves.
struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool bOpen = false;
    int nRunning = 0;
    int nDone = 0;
    std::vector<int> runs; // how often each job ran

    static void Job(void* pParam)
    {
        auto* pSlot = static_cast<std::pair<Gate*, int>*>(pParam);
        Gate& gate = *pSlot->first;
        std::unique_lock<std::mutex> lock(gate.mutex);
        ++gate.nRunning;
        ++gate.runs[pSlot->second];
        gate.changed.notify_all();
        gate.changed.wait(lock, [&] { return gate.bOpen; });
        --gate.nRunning;
        ++gate.nDone;
        gate.changed.notify_all();
    }
    // Every wait is bounded: a lost job fails the test instead of hanging it.
    bool WaitFor(const std::function<bool()>& condition)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(5), condition);
    }
    void Open(bool bOpenNow)
    {
        std::lock_guard<std::mutex> lock(mutex);
        bOpen = bOpenNow;
        changed.notify_all();
    }
};

// The pools of these tests keep their workers waiting until the process ends.
CQueryWorkers& NewPool()
{
    return *new CQueryWorkers;
}
} // namespace

// Jobs that all wait at once must all be running at once: none is queued behind
// another, and each got its own worker.
TEST(QueryWorkers, JobsThatFindNoIdleWorkerStartAtOnce)
{
    CQueryWorkers& pool = NewPool();
    Gate gate;
    const int nJobs = 9;
    gate.runs.assign(nJobs, 0);
    std::vector<std::pair<Gate*, int>> slots;
    for (int i = 0; i < nJobs; ++i)
        slots.emplace_back(&gate, i);
    for (auto& slot : slots)
        ASSERT_TRUE(pool.Run(Gate::Job, &slot));
    EXPECT_TRUE(gate.WaitFor([&] { return gate.nRunning == nJobs; }));
    EXPECT_EQ(pool.WorkerCount(), static_cast<size_t>(nJobs));
    gate.Open(true);
    EXPECT_TRUE(gate.WaitFor([&] { return gate.nDone == nJobs; }));
    for (int n : gate.runs)
        EXPECT_EQ(n, 1);
}

// Rounds of jobs no wider than the pool reuse its workers; a wider round adds
// only the workers it lacks.
TEST(QueryWorkers, IdleWorkersAreReused)
{
    CQueryWorkers& pool = NewPool();
    struct Round {
        int nJobs;
        size_t nWorkersAfter;
    };
    const Round rounds[] = {{3, 3}, {3, 3}, {1, 3}, {2, 3}, {5, 5}, {4, 5}};
    for (const Round& round : rounds) {
        Gate gate;
        gate.runs.assign(round.nJobs, 0);
        std::vector<std::pair<Gate*, int>> slots;
        for (int i = 0; i < round.nJobs; ++i)
            slots.emplace_back(&gate, i);
        size_t nBefore = pool.WorkerCount();
        for (auto& slot : slots)
            ASSERT_TRUE(pool.Run(Gate::Job, &slot));
        ASSERT_TRUE(gate.WaitFor([&] { return gate.nRunning == round.nJobs; }));
        gate.Open(true);
        ASSERT_TRUE(gate.WaitFor([&] { return gate.nDone == round.nJobs; }));
        EXPECT_EQ(pool.WorkerCount(), round.nWorkersAfter) << round.nJobs << " jobs after " << nBefore << " workers";
        // A worker counts itself idle only after its job has returned.
        for (int i = 0; i < 5000 && pool.IdleCount() < round.nWorkersAfter; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_EQ(pool.IdleCount(), round.nWorkersAfter);
    }
}

// Many callers at once, each job run exactly once.
TEST(QueryWorkers, JobsFromManyThreadsEachRunOnce)
{
    CQueryWorkers& pool = NewPool();
    static std::atomic<int> counts[400];
    for (auto& count : counts)
        count = 0;
    std::vector<std::thread> callers;
    for (int t = 0; t < 4; ++t)
        callers.emplace_back([&pool, t] {
            for (int i = t * 100; i < (t + 1) * 100; ++i)
                pool.Run([](void* p) { ++*static_cast<std::atomic<int>*>(p); }, &counts[i]);
        });
    for (auto& caller : callers)
        caller.join();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    auto allRan = [] {
        for (auto& count : counts)
            if (count != 1)
                return false;
        return true;
    };
    while (!allRan() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(allRan());
    EXPECT_LE(pool.WorkerCount(), 400u);
}
