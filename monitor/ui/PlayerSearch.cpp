#include "ui/PlayerSearch.h"

#include <algorithm>
#include <cstring>

#include "query/GameText.h"
#include "ui/ServerListRules.h"

void CPlayerSearch::Update(CGameServer* pServer, const CServerStatus& status)
{
    // The server's old rows go before its players are replaced: the matches point at them.
    m_matches.erase(std::remove_if(m_matches.begin(), m_matches.end(),
                                   [pServer](const CPlayerMatch* p) { return p->pServer == pServer; }),
                    m_matches.end());
    std::vector<CPlayerMatch>& players = m_players[pServer];
    players.clear();
    players.reserve(status.m_players.size());
    const CString strServer = ReadableText(status.m_strName);
    const CString strAddress = pServer->GetAddress();
    for (size_t i = 0; i < status.m_players.size(); ++i) {
        const CPlayerInfo& info = status.m_players[i];
        CPlayerMatch player{pServer, static_cast<int>(i), {}, {}};
        player.strColumns[FIND_COLUMN_PLAYER] = ReadableText(info.GetName());
        player.strColumns[FIND_COLUMN_SERVER] = strServer;
        player.strColumns[FIND_COLUMN_PING].Format("%lu", static_cast<unsigned long>(info.GetPing()));
        player.strColumns[FIND_COLUMN_ADDRESS] = strAddress;
        player.strFolded = player.strColumns[FIND_COLUMN_PLAYER];
        player.strFolded.MakeLower();
        players.push_back(player);
    }
    for (const CPlayerMatch& player : players) {
        if (Matches(player)) {
            auto at = std::upper_bound(m_matches.begin(), m_matches.end(), &player,
                                       [this](const CPlayerMatch* a, const CPlayerMatch* b) { return Before(a, b); });
            m_matches.insert(at, &player);
        }
    }
}

void CPlayerSearch::SetText(const CString& strText)
{
    m_strFolded = ReadableText(strText);
    m_strFolded.MakeLower();
    m_matches.clear();
    for (const auto& server : m_players)
        for (const CPlayerMatch& player : server.second)
            if (Matches(player))
                m_matches.push_back(&player);
    Sort(m_nSortColumn, m_bSortAscending);
}

void CPlayerSearch::Sort(int nColumn, BOOL bAscending)
{
    m_nSortColumn = nColumn >= 0 && nColumn < FIND_COLUMN_COUNT ? nColumn : FIND_COLUMN_PLAYER;
    m_bSortAscending = bAscending;
    std::sort(m_matches.begin(), m_matches.end(),
              [this](const CPlayerMatch* a, const CPlayerMatch* b) { return Before(a, b); });
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
    return player.strFolded.Find(m_strFolded) >= 0;
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
