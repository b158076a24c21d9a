#include "ui/core/ServerRows.h"

#include "query/GameText.h"
#include "ui/core/ListMode.h"

int PingImageFor(DWORD nPing)
{
    if (nPing <= 100)
        return PING_IMAGE_GOOD;
    if (nPing <= 200)
        return PING_IMAGE_FAIR;
    if (nPing < PING_NOT_ANSWERING)
        return PING_IMAGE_POOR;
    return PING_IMAGE_DEAD;
}

DWORD ServerTextColor(BYTE bFavorite, BYTE bIgnored)
{
    if (bFavorite == 1)
        return COLOR_TEXT_FAVORITE;
    if (bIgnored == 1)
        return COLOR_TEXT_IGNORED;
    return COLOR_TEXT_PLAIN;
}

int MarksRank(BYTE bFavorite, BYTE bIgnored)
{
    return (bIgnored == 1 ? 2 : 0) + (bFavorite == 1 ? 0 : 1);
}

std::vector<CString> ServerRowTexts(const CGameServer* pServer, const CServerStatus& status)
{
    CString strPing, strPlayers;
    strPing.Format("%lu", static_cast<unsigned long>(status.m_nPing));
    strPlayers.Format("%lu/%lu", static_cast<unsigned long>(status.m_nPlayers),
                      static_cast<unsigned long>(status.m_nMaxPlayers));
    return {ReadableText(status.m_strName), ReadableText(status.m_strMap), ReadableText(status.m_strVersion),
            strPing, strPlayers, pServer->GetAddress()};
}

CServerRows::CServerRows() : m_table(SERVER_COLUMN_COUNT, SERVER_COLUMN_PING, TRUE), m_nListMode(LIST_MODE_ALL)
{
}

BOOL CServerRows::Show(CGameServer* pServer, const CServerStatus& status)
{
    const BYTE bFavorite = pServer->IsFavorite();
    const BYTE bIgnored = pServer->IsIgnored();
    const LPARAM key = reinterpret_cast<LPARAM>(pServer);
    if (!ListModeAdmits(m_nListMode, bFavorite, bIgnored, status.m_nPing)) {
        m_table.Remove(key);
        Count(pServer, nullptr);
        return FALSE;
    }
    CRowLook look;
    look.nImage = PingImageFor(status.m_nPing);
    look.crText = ServerTextColor(bFavorite, bIgnored);
    look.nTieRank = MarksRank(bFavorite, bIgnored);
    m_table.Set(key, ServerRowTexts(pServer, status), look);
    const CCounts counts{status.m_nPing < PING_NOT_ANSWERING, static_cast<int>(status.m_nPlayers)};
    Count(pServer, &counts);
    return TRUE;
}

void CServerRows::Count(CGameServer* pServer, const CCounts* pNow)
{
    auto it = m_counted.find(pServer);
    if (it != m_counted.end()) {
        m_nAnswering -= it->second.bAnswering ? 1 : 0;
        m_nPlayers -= it->second.nPlayers;
        if (!pNow)
            m_counted.erase(it);
    }
    if (!pNow)
        return;
    m_counted[pServer] = *pNow;
    m_nAnswering += pNow->bAnswering ? 1 : 0;
    m_nPlayers += pNow->nPlayers;
}

void CServerRows::Clear()
{
    m_table.RemoveAll();
    m_counted.clear();
    m_nAnswering = m_nPlayers = 0;
}
