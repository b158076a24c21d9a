#include "ThreadSync.h"

#include <condition_variable>
#include <new>

static_assert(sizeof(std::mutex) <= THREAD_SYNC_STATE_SIZE && alignof(std::mutex) <= alignof(void*), "the lock must fit its room");
static_assert(sizeof(std::condition_variable) <= THREAD_SYNC_STATE_SIZE && alignof(std::condition_variable) <= alignof(void*),
              "the condition must fit its room");

static std::mutex& Mutex(unsigned char* pState)
{
    return *std::launder(reinterpret_cast<std::mutex*>(pState));
}

static std::condition_variable& Condition(unsigned char* pState)
{
    return *std::launder(reinterpret_cast<std::condition_variable*>(pState));
}

CCriticalSection::CCriticalSection() { new (m_state) std::mutex; }
CCriticalSection::~CCriticalSection() { Mutex(m_state).~mutex(); }
void CCriticalSection::lock() { Mutex(m_state).lock(); }
void CCriticalSection::unlock() { Mutex(m_state).unlock(); }

CConditionVariable::CConditionVariable() { new (m_state) std::condition_variable; }
CConditionVariable::~CConditionVariable() { Condition(m_state).~condition_variable(); }

void CConditionVariable::Wait(std::unique_lock<CCriticalSection>& lock)
{
    // The caller's lock stays the owner: this one only lends it to the wait.
    std::unique_lock<std::mutex> inner(Mutex(lock.mutex()->m_state), std::adopt_lock);
    Condition(m_state).wait(inner);
    inner.release();
}

void CConditionVariable::NotifyOne() { Condition(m_state).notify_one(); }
void CConditionVariable::NotifyAll() { Condition(m_state).notify_all(); }
