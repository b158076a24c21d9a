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
    CShown& shown = m_shown[pServer];
    // Its old figures leave the totals and the new ones come in, where it is listed.
    Count(shown, -1);
    shown.texts = ServerRowTexts(pServer, status);
    shown.nPing = status.m_nPing;
    shown.nPlayers = static_cast<int>(status.m_nPlayers);
    Count(shown, 1);
    return Admit(pServer, shown, true);
}

BOOL CServerRows::Readmit(CGameServer* pServer)
{
    auto it = m_shown.find(pServer);
    if (it == m_shown.end())
        return Show(pServer, pServer->GetStatus());
    return Admit(pServer, it->second, false);
}

BOOL CServerRows::Admit(CGameServer* pServer, CShown& shown, bool bTextsChanged)
{
    const BYTE bFavorite = pServer->IsFavorite();
    const BYTE bIgnored = pServer->IsIgnored();
    const LPARAM key = reinterpret_cast<LPARAM>(pServer);
    const bool bListed = ListModeAdmits(m_nListMode, bFavorite, bIgnored, shown.nPing);
    if (bListed != shown.bListed) {
        Count(shown, -1);
        shown.bListed = bListed;
        Count(shown, 1);
    }
    if (!bListed) {
        m_table.Remove(key);
        return FALSE;
    }
    CRowLook look;
    look.nImage = PingImageFor(shown.nPing);
    look.crText = ServerTextColor(bFavorite, bIgnored);
    look.nTieRank = MarksRank(bFavorite, bIgnored);
    // A row that stays as it was is left alone: a view change of thousands of
    // rows touches only those that come, go or change colour.
    const int nRow = m_table.Find(key);
    if (bTextsChanged || nRow < 0 || !(m_table.GetLook(nRow) == look))
        m_table.Set(key, shown.texts, look);
    return TRUE;
}

void CServerRows::Count(const CShown& shown, int nSign)
{
    if (!shown.bListed)
        return;
    m_nAnswering += nSign * (shown.nPing < PING_NOT_ANSWERING ? 1 : 0);
    m_nPlayers += nSign * shown.nPlayers;
}

void CServerRows::Forget(const CGameServer* pServer)
{
    auto it = m_shown.find(pServer);
    if (it == m_shown.end())
        return;
    Count(it->second, -1);
    m_table.Remove(reinterpret_cast<LPARAM>(pServer));
    m_shown.erase(it);
}

void CServerRows::Clear()
{
    m_table.RemoveAll();
    m_shown.clear();
    m_nAnswering = m_nPlayers = 0;
}
