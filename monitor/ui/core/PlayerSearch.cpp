#include "ui/core/PlayerSearch.h"

#include <algorithm>
#include <cstring>

#include "query/GameText.h"
#include "framework/RowTable.h"
#include "ui/core/PlayerRows.h"

void CPlayerSearch::Update(CGameServer* pServer, const CServerStatus& status)
{
    // The server's old rows go before its players are replaced: the lists point at
    // them. A server that had none (most, on a long list) costs no pass.
    auto known = m_players.find(pServer);
    const bool bHadPlayers = known != m_players.end() && !known->second.empty();
    if (!bHadPlayers && status.m_players.empty())
        return;
    if (bHadPlayers) {
        for (auto* pList : {&m_ordered, &m_matches})
            pList->erase(std::remove_if(pList->begin(), pList->end(),
                                        [pServer](const CPlayerMatch* p) { return p->pServer == pServer; }),
                         pList->end());
    }
    const std::vector<CPlayerMatch>& players = Replace(pServer, status);
    if (IsLoading()) {
        // Ordered with the rest when the load ends.
        for (const CPlayerMatch& player : players)
            m_ordered.push_back(&player);
        return;
    }
    InsertInOrder(m_ordered, players, false);
    InsertInOrder(m_matches, players, true);
}

void CPlayerSearch::BeginLoad()
{
    m_players.clear();
    m_ordered.clear();
    m_matches.clear();
    m_nLoadNext = 0;
}

bool CPlayerSearch::LoadSome(const CServerCollection& servers, int nServers)
{
    if (!IsLoading())
        return true;
    if (m_nLoadNext < servers.GetCount()) {
        for (int n = 0; n < nServers && m_nLoadNext < servers.GetCount(); ++n, ++m_nLoadNext) {
            CGameServer* pServer = servers.GetAt(m_nLoadNext);
            Update(pServer, pServer->GetStatus());
        }
        // The order is made in a call of its own: a slice and the sort of tens of
        // thousands of players are each a short stretch, together a long one.
        return false;
    }
    m_nLoadNext = -1;
    SortOrdered();
    return true;
}

void CPlayerSearch::Load(const CServerCollection& servers)
{
    BeginLoad();
    while (!LoadSome(servers, servers.GetCount())) {
    }
}

const std::vector<CPlayerMatch>& CPlayerSearch::Replace(CGameServer* pServer, const CServerStatus& status)
{
    std::vector<CPlayerMatch>& players = m_players[pServer];
    players.clear();
    players.reserve(status.m_players.size());
    const CString strServer = ReadableText(status.m_strName);
    const CString strAddress = pServer->GetAddress();
    for (size_t i = 0; i < status.m_players.size(); ++i) {
        const CPlayerInfo& info = status.m_players[i];
        CPlayerMatch player{pServer, static_cast<int>(i), {}, info.GetName(), {}, false};
        std::vector<CString> texts = PlayerRowTexts(info);
        player.strColumns[FIND_COLUMN_PLAYER] = std::move(texts[PLAYER_COLUMN_NAME]);
        player.strColumns[FIND_COLUMN_SERVER] = strServer;
        player.strColumns[FIND_COLUMN_PING] = std::move(texts[PLAYER_COLUMN_PING]);
        player.strColumns[FIND_COLUMN_ADDRESS] = strAddress;
        player.strFolded = FoldedText(info.GetName());
        player.bBuddy = m_pBuddies && m_pBuddies->Matches(player.strColumns[FIND_COLUMN_PLAYER]);
        players.push_back(std::move(player));
    }
    return players;
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
    Rematch();
}

void CPlayerSearch::Rematch()
{
    m_matches.clear();
    for (const CPlayerMatch* pPlayer : m_ordered)
        if (Matches(*pPlayer))
            m_matches.push_back(pPlayer);
}

void CPlayerSearch::Sort(int nColumn, BOOL bAscending)
{
    m_nSortColumn = nColumn >= 0 && nColumn < FIND_COLUMN_COUNT ? nColumn : FIND_COLUMN_PLAYER;
    m_bSortAscending = bAscending;
    SortOrdered();
}

// Every player in the order Before gives, and the matches with them. Each
// player's leading number is read once for the sort, not at every comparison:
// tens of thousands of players sort in a few milliseconds. Before is a total
// order, so the list is the one that insertions one by one would make.
void CPlayerSearch::SortOrdered()
{
    struct CKey {
        long long nLeading;
        const CPlayerMatch* pPlayer;
    };
    std::vector<CKey> keys;
    keys.reserve(m_ordered.size());
    for (const CPlayerMatch* pPlayer : m_ordered)
        keys.push_back(CKey{ReadLeadingInt(pPlayer->strColumns[m_nSortColumn]), pPlayer});
    std::sort(keys.begin(), keys.end(), [this](const CKey& a, const CKey& b) {
        const int nResult = CompareSortKeys(a.nLeading, a.pPlayer->strColumns[m_nSortColumn], b.nLeading,
                                            b.pPlayer->strColumns[m_nSortColumn], m_bSortAscending);
        return nResult != 0 ? nResult < 0 : TieBefore(a.pPlayer, b.pPlayer);
    });
    for (size_t i = 0; i < keys.size(); ++i)
        m_ordered[i] = keys[i].pPlayer;
    Rematch();
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
    const int nResult = CompareSortKeys(pA->strColumns[m_nSortColumn], pB->strColumns[m_nSortColumn], m_bSortAscending);
    return nResult != 0 ? nResult < 0 : TieBefore(pA, pB);
}

bool CPlayerSearch::TieBefore(const CPlayerMatch* pA, const CPlayerMatch* pB)
{
    const int nResult = strcmp(pA->strColumns[FIND_COLUMN_ADDRESS], pB->strColumns[FIND_COLUMN_ADDRESS]);
    return nResult != 0 ? nResult < 0 : pA->nPlayer < pB->nPlayer;
}
