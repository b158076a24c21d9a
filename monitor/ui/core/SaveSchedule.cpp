#include "ui/core/SaveSchedule.h"

#include <algorithm>

void CSaveSchedule::Changed(DWORD dwNow)
{
    if (!m_bPending)
        m_dwFirstChange = dwNow;
    m_dwLastChange = dwNow;
    m_bPending = true;
}

void CSaveSchedule::WriteStarted()
{
    m_bPending = false;
    m_bWriting = true;
}

void CSaveSchedule::WriteEnded()
{
    m_bWriting = false;
}

DWORD CSaveSchedule::DueIn(DWORD dwNow) const
{
    if (!m_bPending || m_bWriting)
        return NEVER;
    // Unsigned differences stay right across the tick count's wrap.
    const DWORD dwSinceFirst = dwNow - m_dwFirstChange;
    const DWORD dwSinceLast = dwNow - m_dwLastChange;
    const DWORD dwQuietLeft = dwSinceLast < QUIET_MS ? QUIET_MS - dwSinceLast : 0;
    const DWORD dwLatestLeft = dwSinceFirst < LATEST_MS ? LATEST_MS - dwSinceFirst : 0;
    return std::min(dwQuietLeft, dwLatestLeft);
}
