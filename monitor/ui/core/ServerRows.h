// The server list's rows: which records the list mode shows, and each row's
// texts, ping image and colour. The texts are what the user reads and what a sort
// compares, the names as the game shows them.
#pragma once

#include <unordered_map>
#include <vector>

#include "framework/RowTable.h"
#include "query/GameServer.h"

// The server list's columns: name, map, version, ping, "players/slots", address.
enum ServerColumn {
    SERVER_COLUMN_NAME, SERVER_COLUMN_MAP, SERVER_COLUMN_VERSION,
    SERVER_COLUMN_PING, SERVER_COLUMN_PLAYERS, SERVER_COLUMN_ADDRESS, SERVER_COLUMN_COUNT
};

enum PingImage { PING_IMAGE_GOOD = 0, PING_IMAGE_FAIR = 1, PING_IMAGE_POOR = 2, PING_IMAGE_DEAD = 3 };
// Green up to 100 ms, orange to 200, red below 750, the skull from 750 on (silence).
int PingImageFor(DWORD nPing);

#define COLOR_TEXT_FAVORITE 0xFF0000
#define COLOR_TEXT_IGNORED 0x0000FF
#define COLOR_TEXT_PLAIN 0x000000
DWORD ServerTextColor(BYTE bFavorite, BYTE bIgnored);
// Where rows equal in the sort column go, whatever the direction: favourites
// first, ignored servers last (a row with both marks after a plain one).
int MarksRank(BYTE bFavorite, BYTE bIgnored);

// A record's row texts, from a status copied out of it.
std::vector<CString> ServerRowTexts(const CGameServer* pServer, const CServerStatus& status);

class CServerRows {
public:
    // Sorted by ping, ascending, until the user sorts otherwise.
    CServerRows();
    virtual ~CServerRows() = default;

    CRowTable& Table() { return m_table; }
    const CRowTable& Table() const { return m_table; }
    CGameServer* GetAt(int nRow) const { return reinterpret_cast<CGameServer*>(m_table.GetKey(nRow)); }

    int GetListMode() const { return m_nListMode; }
    // Only the mode changes; Show then brings each row in line.
    void SetListMode(int nMode) { m_nListMode = nMode; }

    // Makes the record's row agree with the status and its marks: added at the
    // end, changed in place or removed, as the list mode says. TRUE when listed.
    BOOL Show(CGameServer* pServer, const CServerStatus& status);

    // No rows at all (the records are about to go).
    void Clear();

    // The listed rows' totals: servers that answer, and players whatever the ping.
    int CountAnswering() const { return m_nAnswering; }
    int CountPlayers() const { return m_nPlayers; }

private:
    struct CCounts {
        bool bAnswering;
        int nPlayers;
    };
    void Count(CGameServer* pServer, const CCounts* pNow);

    CRowTable m_table;
    int m_nListMode;
    std::unordered_map<const CGameServer*, CCounts> m_counted;
    int m_nAnswering = 0;
    int m_nPlayers = 0;
};
