#include "ui/core/PlayerSearch.h"

#include <algorithm>
#include <cstring>

#include "query/GameText.h"
#include "framework/RowTable.h"
#include "ui/core/PlayerRows.h"

void CPlayerSearch::Update(CGameServer* pServer, const CServerStatus& status)
{
    // The server's old rows go before its players are replaced: the lists point at them.
    for (auto* pList : {&m_ordered, &m_matches})
        pList->erase(std::remove_if(pList->begin(), pList->end(),
                                    [pServer](const CPlayerMatch* p) { return p->pServer == pServer; }),
                     pList->end());
    std::vector<CPlayerMatch>& players = m_players[pServer];
    players.clear();
    players.reserve(status.m_players.size());
    const CString strServer = ReadableText(status.m_strName);
    const CString strAddress = pServer->GetAddress();
    for (size_t i = 0; i < status.m_players.size(); ++i) {
        const CPlayerInfo& info = status.m_players[i];
        CPlayerMatch player{pServer, static_cast<int>(i), {}, info.GetName(), {}, false};
        std::vector<CString> texts = PlayerRowTexts(info);
        player.strColumns[FIND_COLUMN_PLAYER] = texts[PLAYER_COLUMN_NAME];
        player.strColumns[FIND_COLUMN_SERVER] = strServer;
        player.strColumns[FIND_COLUMN_PING] = texts[PLAYER_COLUMN_PING];
        player.strColumns[FIND_COLUMN_ADDRESS] = strAddress;
        player.strFolded = FoldedText(info.GetName());
        player.bBuddy = m_pBuddies && m_pBuddies->Matches(player.strColumns[FIND_COLUMN_PLAYER]);
        players.push_back(player);
    }
    InsertInOrder(m_ordered, players, false);
    InsertInOrder(m_matches, players, true);
}

void CPlayerSearch::InsertInOrder(std::vector<const CPlayerMatch*>& list, const std::vector<CPlayerMatch>& players,
                                  bool bMatchesOnly)
{
    for (const CPlayerMatch& player : players) {
        if (bMatchesOnly && !Matches(player))
            continue;
        auto at = std::upper_bound(list.begin(), list.end(), &player,
                                   [this](const CPlayerMatch* a, const CPlayerMatch* b) { return Before(a, b); });
        list.insert(at, &player);
    }
}

void CPlayerSearch::SetText(const CString& strText)
{
    m_strTyped = strText;
    m_strFolded = strText;
    m_strFolded.MakeLower();
    // Printable ASCII reads as itself: found in the bytes, it is found in the shown name.
    m_bSeekTyped = std::any_of(strText.str().begin(), strText.str().end(),
                               [](unsigned char c) { return c < 0x20 || c > 0x7E; });
    m_matches.clear();
    for (const CPlayerMatch* pPlayer : m_ordered)
        if (Matches(*pPlayer))
            m_matches.push_back(pPlayer);
}

void CPlayerSearch::Sort(int nColumn, BOOL bAscending)
{
    m_nSortColumn = nColumn >= 0 && nColumn < FIND_COLUMN_COUNT ? nColumn : FIND_COLUMN_PLAYER;
    m_bSortAscending = bAscending;
    auto before = [this](const CPlayerMatch* a, const CPlayerMatch* b) { return Before(a, b); };
    std::sort(m_ordered.begin(), m_ordered.end(), before);
    std::sort(m_matches.begin(), m_matches.end(), before);
}

int CPlayerSearch::Find(CGameServer* pServer, const CString& strPlayer) const
{
    for (size_t i = 0; i < m_matches.size(); ++i)
        if (m_matches[i]->pServer == pServer && m_matches[i]->strColumns[FIND_COLUMN_PLAYER] == strPlayer)
            return static_cast<int>(i);
    return -1;
}

bool CPlayerSearch::Matches(const CPlayerMatch& player) const
{
    return player.strFolded.Find(m_strFolded) >= 0 || (m_bSeekTyped && player.strName.Find(m_strTyped) >= 0);
}

// Equal texts keep a fixed order (address, then reply order), so that a row
// does not wander while replies arrive.
bool CPlayerSearch::Before(const CPlayerMatch* pA, const CPlayerMatch* pB) const
{
    int nResult = CompareSortKeys(pA->strColumns[m_nSortColumn], pB->strColumns[m_nSortColumn], m_bSortAscending);
    if (nResult == 0)
        nResult = strcmp(pA->strColumns[FIND_COLUMN_ADDRESS], pB->strColumns[FIND_COLUMN_ADDRESS]);
    if (nResult == 0)
        return pA->nPlayer < pB->nPlayer;
    return nResult < 0;
}
