// The player list's rows: the players of the server the list last showed, in
// reply order until the user sorts them.
#pragma once

#include <vector>

#include "framework/RowTable.h"
#include "query/GameServer.h"

enum PlayerColumn { PLAYER_COLUMN_NAME, PLAYER_COLUMN_SCORE, PLAYER_COLUMN_PING, PLAYER_COLUMN_COUNT };

// A player's texts wherever players are listed: the name as the game shows it,
// the score and the ping.
std::vector<CString> PlayerRowTexts(const CPlayerInfo& player);

class CPlayerRows {
public:
    // The last sort made is kept (by name, ascending, at first): it decides the
    // direction of the next click. Until the user sorts, a refill puts the rows in
    // reply order; once the user has, the next servers' players come sorted so too.
    CPlayerRows();
    virtual ~CPlayerRows() = default;

    CRowTable& Table() { return m_table; }

    // The user's sort, which refills keep.
    void Sort(int nColumn, BOOL bAscending);
    bool IsSortedByUser() const { return m_bSortedByUser; }

    // The players of the status; each row's key is its place in the reply + 1.
    void Fill(const CServerStatus& status);
    void Clear() { m_table.RemoveAll(); }

private:
    CRowTable m_table;
    bool m_bSortedByUser = false;
};
