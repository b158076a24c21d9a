#include "ui/core/PollState.h"

BOOL CPollState::Begin(int nRecords)
{
    if (m_bPolling)
        return FALSE;
    m_nNextServer = 0;
    m_nQueriesLeft = nRecords;
    m_pollAwaited.clear();
    // Nothing to wait for: no notice would ever end this poll.
    m_bPolling = nRecords > 0;
    return TRUE;
}

BOOL CPollState::WantsFirstQuery(int nStarted, int nBudget, int nRecords) const
{
    return m_bPolling && nStarted < nBudget && m_nNextServer < nRecords;
}

int CPollState::TakeNext(int nRecords)
{
    int nIndex = m_nNextServer++;
    return nIndex >= 0 && nIndex < nRecords ? nIndex : -1;
}

void CPollState::AwaitQuery(CGameServer* pServer, BOOL bStartedByPoll)
{
    // A record whose clicked query still runs counts once, when its notice comes.
    if (!bStartedByPoll)
        TakeClickNotice(pServer);
    m_pollAwaited.insert(pServer);
}

BOOL CPollState::CountNotice()
{
    if (--m_nQueriesLeft != 0)
        return FALSE;
    m_bPolling = FALSE;
    return TRUE;
}

void CPollState::AwaitClick(CGameServer* pServer)
{
    ++m_clickAwaited[pServer];
}

CPollState::Notice CPollState::TakeNotice(CGameServer* pServer)
{
    if (m_bClosed)
        return NOTICE_DROPPED;
    if (TakeClickNotice(pServer))
        return m_pollAwaited.count(pServer) ? NOTICE_OF_CLICK_HIDDEN : NOTICE_OF_CLICK;
    if (m_bPolling && m_pollAwaited.erase(pServer) != 0)
        return NOTICE_OF_POLL;
    return NOTICE_OTHER;
}

void CPollState::Close()
{
    m_bClosed = TRUE;
    m_pollAwaited.clear();
    m_clickAwaited.clear();
}

BOOL CPollState::TakeClickNotice(CGameServer* pServer)
{
    auto click = m_clickAwaited.find(pServer);
    if (click == m_clickAwaited.end())
        return FALSE;
    if (--click->second == 0)
        m_clickAwaited.erase(click);
    return TRUE;
}
