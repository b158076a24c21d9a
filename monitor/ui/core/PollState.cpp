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

void CPollState::AwaitWatcherQuery(CGameServer* pServer)
{
    ++m_watcherAwaited[pServer];
}

CPollState::Notice CPollState::TakeNotice(CGameServer* pServer)
{
    if (m_bClosed)
        return NOTICE_DROPPED;
    const Asker asker = TakeClickNotice(pServer);
    if (asker != ASKED_BY_NOBODY) {
        if (m_pollAwaited.count(pServer))
            return NOTICE_OF_CLICK_HIDDEN;
        return asker == ASKED_BY_CLICK ? NOTICE_OF_CLICK : NOTICE_OF_WATCHER;
    }
    if (m_bPolling && m_pollAwaited.erase(pServer) != 0)
        return NOTICE_OF_POLL;
    return NOTICE_OTHER;
}

void CPollState::Close()
{
    m_bClosed = TRUE;
    m_pollAwaited.clear();
    m_clickAwaited.clear();
    m_watcherAwaited.clear();
}

static BOOL TakeOne(std::unordered_map<CGameServer*, int>& awaited, CGameServer* pServer)
{
    auto it = awaited.find(pServer);
    if (it == awaited.end())
        return FALSE;
    if (--it->second == 0)
        awaited.erase(it);
    return TRUE;
}

// A notice does not say who asked: with a click's and a watcher's both due, the
// first is taken as the click's, so that the players show as the click asks.
CPollState::Asker CPollState::TakeClickNotice(CGameServer* pServer)
{
    if (TakeOne(m_clickAwaited, pServer))
        return ASKED_BY_CLICK;
    return TakeOne(m_watcherAwaited, pServer) ? ASKED_BY_WATCHER : ASKED_BY_NOBODY;
}
