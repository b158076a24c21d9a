#include "ui/core/ServerRows.h"

#include <algorithm>

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
    CFilterFacts& facts = shown.facts;
    facts.nPing = status.m_nPing;
    facts.nPlayers = status.m_nPlayers;
    facts.nMaxPlayers = status.m_nMaxPlayers;
    facts.nNeedPass = status.m_nNeedPass;
    // The row's texts are the readable ones already: folding them is lower-casing.
    facts.strFoldedName = shown.texts[SERVER_COLUMN_NAME];
    facts.strFoldedName.MakeLower();
    facts.strFoldedMap = shown.texts[SERVER_COLUMN_MAP];
    facts.strFoldedMap.MakeLower();
    shown.bBuddy = HasBuddy(status);
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

BOOL CServerRows::Rematch(CGameServer* pServer)
{
    auto it = m_shown.find(pServer);
    if (it == m_shown.end())
        return Show(pServer, pServer->GetStatus());
    it->second.bBuddy = HasBuddy(pServer->GetStatus());
    return Admit(pServer, it->second, false);
}

bool CServerRows::HasBuddy(const CServerStatus& status) const
{
    return m_pBuddies && std::any_of(status.m_players.begin(), status.m_players.end(),
                                     [this](const CPlayerInfo& player) { return m_pBuddies->Matches(player.GetName()); });
}

BOOL CServerRows::Admit(CGameServer* pServer, CShown& shown, bool bTextsChanged)
{
    const BYTE bFavorite = pServer->IsFavorite();
    const BYTE bIgnored = pServer->IsIgnored();
    const LPARAM key = reinterpret_cast<LPARAM>(pServer);
    const bool bAdmitted = ListModeAdmits(m_nListMode, bFavorite, bIgnored, shown.facts.nPing);
    const bool bListed = bAdmitted && m_filter.Passes(shown.facts);
    if (bListed != shown.bListed || (bAdmitted && !bListed) != shown.bHidden) {
        Count(shown, -1);
        shown.bListed = bListed;
        shown.bHidden = bAdmitted && !bListed;
        Count(shown, 1);
    }
    if (!bListed) {
        m_table.Remove(key);
        return FALSE;
    }
    CRowLook look;
    look.nImage = PingImageFor(shown.facts.nPing);
    look.nOverlay = (shown.facts.nNeedPass & NEEDPASS_PLAYER) ? OVERLAY_LOCK : OVERLAY_NONE;
    look.crText = ServerTextColor(bFavorite, bIgnored);
    look.nTieRank = MarksRank(bFavorite, bIgnored);
    look.bBold = shown.bBuddy;
    // A row that stays as it was is left alone: a view change of thousands of
    // rows touches only those that come, go or change colour.
    const int nRow = m_table.Find(key);
    if (bTextsChanged || nRow < 0 || !(m_table.GetLook(nRow) == look))
        m_table.Set(key, shown.texts, look);
    return TRUE;
}

void CServerRows::Count(const CShown& shown, int nSign)
{
    m_nHidden += shown.bHidden ? nSign : 0;
    if (!shown.bListed)
        return;
    m_nAnswering += nSign * (shown.facts.nPing < PING_NOT_ANSWERING ? 1 : 0);
    m_nPlayers += nSign * static_cast<int>(shown.facts.nPlayers);
}

bool CServerRows::IsFilteredOut(const CGameServer* pServer) const
{
    auto it = m_shown.find(pServer);
    return it != m_shown.end() && !m_filter.Passes(it->second.facts);
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
    m_nAnswering = m_nPlayers = m_nHidden = 0;
}
