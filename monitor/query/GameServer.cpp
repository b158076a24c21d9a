#include "query/GameServer.h"

#include "query/ServerAddress.h"
#include "query/WordFilter.h"

// The word list is read when the first record is made, on the GUI thread and so
// before any query thread can censor with it.
static void LoadWordFilterOnce()
{
    if (!g_bWordFilterLoaded) {
        g_wordFilter.LoadFromFile(WordListFile());
        g_bWordFilterLoaded = TRUE;
    }
}

CGameServer::CGameServer() : m_strAddress("0.0.0.0:0")
{
    LoadWordFilterOnce();
}

CGameServer::CGameServer(const CString& strAddress)
{
    CServerAddress address = SplitServerAddress(strAddress);
    if (ReadLeadingInt(address.strPort) == 0)
        address.strPort = DEFAULT_SERVER_PORT;
    m_strAddress = address.strHost + ":" + address.strPort;
    LoadWordFilterOnce();
}

CGameServer::~CGameServer()
{
    std::unique_lock<CCriticalSection> lock(m_mutex);
    m_queryEnded.Wait(lock, [this] { return m_bQuerying == 0; });
}

void CGameServer::SetText(CString CGameServer::*pField, const CString& strValue)
{
    std::lock_guard<CCriticalSection> lock(m_mutex);
    this->*pField = strValue;
}

void CGameServer::SetText(CString CServerStatus::*pField, const CString& strValue)
{
    std::lock_guard<CCriticalSection> lock(m_mutex);
    m_status.*pField = strValue;
}

#define LOCKED_GETTER(type, name, field)                   \
    type CGameServer::name() const                         \
    {                                                      \
        std::lock_guard<CCriticalSection> lock(m_mutex);   \
        return field;                                      \
    }

LOCKED_GETTER(CString, GetName, m_status.m_strName)
LOCKED_GETTER(CString, GetMap, m_status.m_strMap)
LOCKED_GETTER(CString, GetVersion, m_status.m_strVersion)
LOCKED_GETTER(CString, GetAddress, m_strAddress)
LOCKED_GETTER(CString, GetWebsite, m_status.m_strWebsite)
LOCKED_GETTER(DWORD, GetPing, m_status.m_nPing)
LOCKED_GETTER(DWORD, GetPlayerCount, m_status.m_nPlayers)
LOCKED_GETTER(DWORD, GetMaxPlayers, m_status.m_nMaxPlayers)
LOCKED_GETTER(BOOL, IsQuerying, m_bQuerying == 1)

// The caller holds the lock.
CServerStatus CGameServer::VisibleStatus() const
{
    CServerStatus status = m_statusBeforeQuery ? *m_statusBeforeQuery : m_status;
    if (status.m_players.size() > status.m_nPlayers)
        status.m_players.erase(status.m_players.begin() + status.m_nPlayers, status.m_players.end());
    return status;
}

CServerStatus CGameServer::GetStatus() const
{
    std::lock_guard<CCriticalSection> lock(m_mutex);
    return VisibleStatus();
}

const CPlayerInfo* CGameServer::GetPlayer(int nIndex) const
{
    // Bounded by the count as well as the list: while a query runs the count is 0
    // and the previous players are not reachable.
    std::lock_guard<CCriticalSection> lock(m_mutex);
    if (nIndex < 0 || static_cast<DWORD>(nIndex) >= m_status.m_nPlayers
        || static_cast<size_t>(nIndex) >= m_status.m_players.size())
        return nullptr;
    return &m_status.m_players[static_cast<size_t>(nIndex)];
}
