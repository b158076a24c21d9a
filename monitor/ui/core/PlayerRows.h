// The player list's rows: the players of the server the list last showed, in
// reply order until the user sorts them.
#pragma once

#include <vector>

#include "framework/RowTable.h"
#include "query/GameServer.h"
#include "ui/core/BuddyList.h"

enum PlayerColumn { PLAYER_COLUMN_NAME, PLAYER_COLUMN_SCORE, PLAYER_COLUMN_PING, PLAYER_COLUMN_COUNT };

// A player's texts wherever players are listed: the name as the game shows it,
// the score and the ping.
std::vector<CString> PlayerRowTexts(const CPlayerInfo& player);

class CPlayerRows {
public:
    // The last sort made is kept (by name, ascending, at first): it decides the
    // direction of the next click; a refill puts the rows back in reply order.
    CPlayerRows();
    virtual ~CPlayerRows() = default;

    CRowTable& Table() { return m_table; }

    // The players of the status, in reply order; each row's key is its place + 1.
    void Fill(const CServerStatus& status);
    void Clear() { m_table.RemoveAll(); }
    // A buddy's row is bold; Restyle brings the rows in line after a change of the list.
    void SetBuddies(const CBuddyList* pBuddies) { m_pBuddies = pBuddies; }
    void Restyle();

private:
    CRowLook LookOf(const CString& strName) const;

    CRowTable m_table;
    const CBuddyList* m_pBuddies = nullptr;
};
