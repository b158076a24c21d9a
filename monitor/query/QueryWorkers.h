// Long-lived worker threads for the status queries. Starting a thread costs more
// than a whole query on loopback (under Wine by far), so a worker runs one job
// after another. A job that finds no idle worker gets a new one at once: nothing
// ever waits in line, and the number of workers is the most jobs that ever ran
// side by side (the poll's budget, plus clicked single queries).
#pragma once

#include <cstddef>
#include <deque>

#include "framework/ThreadSync.h"

class CQueryWorkers {
public:
    using Job = void (*)(void*);

    CQueryWorkers() = default;
    CQueryWorkers(const CQueryWorkers&) = delete;
    CQueryWorkers& operator=(const CQueryWorkers&) = delete;
    // The workers are detached and outlive any pool: never destroy one that ran a job.
    virtual ~CQueryWorkers() = default;

    // Hands the job to an idle worker, or to a new one; returns at once. FALSE,
    // with the job not run, when no thread could be started for it.
    bool Run(Job job, void* pParam);
    // Threads started so far, and those of them waiting for a job.
    size_t WorkerCount();
    size_t IdleCount();

    // The pool of the query threads; never destroyed, since its workers wait on it
    // until the process ends.
    static CQueryWorkers& Shared();

private:
    struct Pending {
        Job job;
        void* pParam;
    };
    void Work();

    CCriticalSection m_mutex;
    CConditionVariable m_wake;
    std::deque<Pending> m_jobs;
    // Idle workers that no queued job has been promised to. Every worker that is not
    // running a job is either counted here or bound for a job in m_jobs.
    size_t m_nFree = 0;
    size_t m_nWorkers = 0;
};
