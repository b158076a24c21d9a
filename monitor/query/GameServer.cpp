#include "query/GameServer.h"

#include "query/WordFilter.h"

// The word list is read when the first record is made, on the GUI thread and so
// before any query thread can censor with it.
static void LoadWordFilterOnce()
{
    if (!g_bWordFilterLoaded) {
        g_wordFilter.LoadFromFile("obscenities.txt");
        g_bWordFilterLoaded = TRUE;
    }
}

CGameServer::CGameServer() : m_strAddress("0.0.0.0:0")
{
    LoadWordFilterOnce();
}

CGameServer::CGameServer(const CString& strAddress)
{
    int nColon = strAddress.Find(':');
    CString strHost = nColon >= 0 ? strAddress.Left(nColon) : strAddress;
    CString strPort = nColon >= 0 ? strAddress.Mid(nColon + 1) : CString();
    if (ReadLeadingInt(strPort) == 0)
        strPort = DEFAULT_SERVER_PORT;
    m_strAddress = strHost + ":" + strPort;
    LoadWordFilterOnce();
}

CGameServer::~CGameServer()
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_queryEnded.wait(lock, [this] { return m_bQuerying == 0; });
    }
    DeletePlayers(m_players);
}

void CGameServer::DeletePlayers(CTypedPtrList<CPlayerInfo*>& players)
{
    while (!players.IsEmpty())
        delete players.RemoveHead();
}

void CGameServer::SetText(CString CGameServer::*pField, const CString& strValue)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    this->*pField = strValue;
}

#define LOCKED_GETTER(type, name, field)                   \
    type CGameServer::name() const                         \
    {                                                      \
        std::lock_guard<std::mutex> lock(m_mutex);         \
        return field;                                      \
    }

LOCKED_GETTER(CString, GetName, m_strName)
LOCKED_GETTER(CString, GetMap, m_strMap)
LOCKED_GETTER(CString, GetVersion, m_strVersion)
LOCKED_GETTER(CString, GetAddress, m_strAddress)
LOCKED_GETTER(CString, GetWebsite, m_strWebsite)
LOCKED_GETTER(DWORD, GetPing, m_nPing)
LOCKED_GETTER(DWORD, GetPlayerCount, m_nPlayers)
LOCKED_GETTER(DWORD, GetMaxPlayers, m_nMaxPlayers)
LOCKED_GETTER(BOOL, IsQuerying, m_bQuerying == 1)

CServerStatus CGameServer::GetStatus() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    CServerStatus status;
    status.m_strName = m_strName;
    status.m_strMap = m_strMap;
    status.m_strVersion = m_strVersion;
    status.m_strAddress = m_strAddress;
    status.m_strWebsite = m_strWebsite;
    status.m_nPing = m_nPing;
    status.m_nPlayers = m_nPlayers;
    status.m_nMaxPlayers = m_nMaxPlayers;
    for (const CPlayerInfo* pPlayer : m_players) {
        if (status.m_players.size() >= m_nPlayers)
            break;
        status.m_players.push_back(*pPlayer);
    }
    status.m_nPlayers = static_cast<DWORD>(status.m_players.size());
    return status;
}

CPlayerInfo* CGameServer::GetPlayer(int nIndex) const
{
    // Bounded by the count as well as the list: while a query runs the count is 0
    // and the previous players are not reachable.
    std::lock_guard<std::mutex> lock(m_mutex);
    if (nIndex < 0 || static_cast<DWORD>(nIndex) >= m_nPlayers)
        return nullptr;
    return m_players.GetAt(nIndex);
}
