#include "framework/MainWindow.h"
#include "query/GameServer.h"
#include "query/QueryDone.h"
#include "query/QueryWorkers.h"
#include "query/StatusExchange.h"

static void RunQuery(void* pServer)
{
    CGameServer::QueryThreadProc(pServer);
}

BOOL CGameServer::StartQuery()
{
    {
        std::lock_guard<CCriticalSection> lock(m_mutex);
        if (m_bQuerying == 1)
            return FALSE;
        m_bQuerying = 1;
    }
    // Nobody waits for the worker: the claim is the query's only trace.
    if (!CQueryWorkers::Shared().Run(RunQuery, this)) {
        EndQuery();
        return FALSE;
    }
    return TRUE;
}

// Until a reply is accepted the record reads as a server that does not answer;
// the rows keep showing what it said before.
CString CGameServer::BeginQuery()
{
    std::lock_guard<CCriticalSection> lock(m_mutex);
    m_statusBeforeQuery = m_status;
    m_status.m_nPing = PING_NOT_ANSWERING;
    m_status.m_nPlayers = 0;
    m_status.m_nMaxPlayers = 0;
    return m_strAddress;
}

void CGameServer::EndQuery()
{
    // Notified under the lock: once it is released a waiting destructor may free
    // the record, and this thread must not touch it again.
    std::lock_guard<CCriticalSection> lock(m_mutex);
    m_statusBeforeQuery.reset();
    m_bQuerying = 0;
    m_queryEnded.NotifyAll();
}

DWORD CGameServer::QueryThreadProc(void* pParam)
{
    CGameServer* pServer = static_cast<CGameServer*>(pParam);
    CString strAddress = pServer->BeginQuery();
    CString strReply;
    DWORD nPing = PING_NOT_ANSWERING;
    LPARAM nOutcome = QUERY_FAILED;
    if (ExchangeStatus(strAddress, strReply, nPing) && pServer->ParseStatusReply(strReply, nPing))
        nOutcome = QUERY_ACCEPTED;
    pServer->EndQuery();
    AfxPostToMainWnd(WM_QUERYDONE, reinterpret_cast<WPARAM>(pServer), nOutcome);
    return 0;
}
