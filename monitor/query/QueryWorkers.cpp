#include "query/QueryWorkers.h"

#include <system_error>
#include <thread>

bool CQueryWorkers::Run(Job job, void* pParam)
{
    std::lock_guard<CCriticalSection> lock(m_mutex);
    if (m_nFree > 0) {
        --m_nFree;
    } else {
        try {
            std::thread([this] { Work(); }).detach();
        } catch (const std::system_error&) {
            return false;
        }
        ++m_nWorkers;
    }
    m_jobs.push_back({job, pParam});
    m_wake.NotifyOne();
    return true;
}

size_t CQueryWorkers::WorkerCount()
{
    std::lock_guard<CCriticalSection> lock(m_mutex);
    return m_nWorkers;
}

size_t CQueryWorkers::IdleCount()
{
    std::lock_guard<CCriticalSection> lock(m_mutex);
    return m_nFree;
}

void CQueryWorkers::Work()
{
    std::unique_lock<CCriticalSection> lock(m_mutex);
    for (;;) {
        m_wake.Wait(lock, [this] { return !m_jobs.empty(); });
        Pending pending = m_jobs.front();
        m_jobs.pop_front();
        lock.unlock();
        pending.job(pending.pParam);
        lock.lock();
        ++m_nFree;
    }
}

CQueryWorkers& CQueryWorkers::Shared()
{
    static CQueryWorkers* pShared = new CQueryWorkers;
    return *pShared;
}
