// The lock and the condition that the query threads and the records share.
// On Windows they are the system's slim lock and condition variable: the C++
// library's own are built on a POSIX-threads layer whose every wait and wake is a
// kernel object call, which under Wine is a round trip to the wineserver (some
// hundred microseconds each, several per query). Elsewhere they are std::mutex and
// std::condition_variable, which ThreadSanitizer understands.
#pragma once

#include <cstddef>
#include <mutex>

// Room for the platform's lock or condition, so that this header names no platform type.
constexpr std::size_t THREAD_SYNC_STATE_SIZE = 48;

class CCriticalSection {
public:
    CCriticalSection();
    ~CCriticalSection();
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    // Lower case, so that std::lock_guard and std::unique_lock take it.
    void lock();
    void unlock();

private:
    friend class CConditionVariable;
    alignas(void*) unsigned char m_state[THREAD_SYNC_STATE_SIZE];
};

class CConditionVariable {
public:
    CConditionVariable();
    ~CConditionVariable();
    CConditionVariable(const CConditionVariable&) = delete;
    CConditionVariable& operator=(const CConditionVariable&) = delete;

    // Releases the lock while it waits; it is held again on return.
    void Wait(std::unique_lock<CCriticalSection>& lock);
    template <class Predicate>
    void Wait(std::unique_lock<CCriticalSection>& lock, Predicate ready)
    {
        while (!ready())
            Wait(lock);
    }
    void NotifyOne();
    void NotifyAll();

private:
    alignas(void*) unsigned char m_state[THREAD_SYNC_STATE_SIZE];
};
