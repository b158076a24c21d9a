// The slim lock and its condition variable came with Windows Vista, which the
// program needs in any case (GetTickCount64); the rest of the code is built for
// the older headers.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

#include "ThreadSync.h"

static_assert(sizeof(SRWLOCK) <= THREAD_SYNC_STATE_SIZE && sizeof(CONDITION_VARIABLE) <= THREAD_SYNC_STATE_SIZE, "the system types must fit their room");

// Both system types start as all zeroes (SRWLOCK_INIT, CONDITION_VARIABLE_INIT)
// and need no clean-up.
static PSRWLOCK Lock(unsigned char* pState)
{
    return reinterpret_cast<PSRWLOCK>(pState);
}

static PCONDITION_VARIABLE Condition(unsigned char* pState)
{
    return reinterpret_cast<PCONDITION_VARIABLE>(pState);
}

CCriticalSection::CCriticalSection() { InitializeSRWLock(Lock(m_state)); }
CCriticalSection::~CCriticalSection() = default;
void CCriticalSection::lock() { AcquireSRWLockExclusive(Lock(m_state)); }
void CCriticalSection::unlock() { ReleaseSRWLockExclusive(Lock(m_state)); }

CConditionVariable::CConditionVariable() { InitializeConditionVariable(Condition(m_state)); }
CConditionVariable::~CConditionVariable() = default;

void CConditionVariable::Wait(std::unique_lock<CCriticalSection>& lock)
{
    SleepConditionVariableSRW(Condition(m_state), Lock(lock.mutex()->m_state), INFINITE, 0);
}

void CConditionVariable::NotifyOne() { WakeConditionVariable(Condition(m_state)); }
void CConditionVariable::NotifyAll() { WakeAllConditionVariable(Condition(m_state)); }
