// The server list's rows: which records the list mode shows, and each row's
// texts, ping image and colour. The texts are what the user reads and what a sort
// compares, the names as the game shows them.
#pragma once

#include <unordered_map>
#include <vector>

#include "framework/RowTable.h"
#include "query/GameServer.h"
#include "ui/core/BuddyList.h"
#include "ui/core/ServerFilter.h"

// The server list's columns: name, map, version, ping, "players/slots", address.
enum ServerColumn {
    SERVER_COLUMN_NAME, SERVER_COLUMN_MAP, SERVER_COLUMN_VERSION,
    SERVER_COLUMN_PING, SERVER_COLUMN_PLAYERS, SERVER_COLUMN_ADDRESS, SERVER_COLUMN_COUNT
};

enum PingImage { PING_IMAGE_GOOD = 0, PING_IMAGE_FAIR = 1, PING_IMAGE_POOR = 2, PING_IMAGE_DEAD = 3 };
// The overlay drawn over the ping image of a server that needs a password to play.
enum { OVERLAY_NONE = 0, OVERLAY_LOCK = 1 };
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
    // Only the mode or the filters change; Readmit then brings each row in line.
    void SetListMode(int nMode) { m_nListMode = nMode; }
    const CServerFilter& GetFilter() const { return m_filter; }
    void SetFilter(const CServerFilter& filter) { m_filter = filter; }
    // A row of a server with a buddy on it is bold; Show brings a row in line.
    void SetBuddies(const CBuddyList* pBuddies) { m_pBuddies = pBuddies; }

    // Makes the record's row agree with the status and its marks: added at the
    // end, changed in place or removed, as the list mode says. TRUE when listed.
    BOOL Show(CGameServer* pServer, const CServerStatus& status);
    // The same after the mode or the record's marks changed, from what the record
    // showed last: a view of 40,000 rows changes without reading them again.
    BOOL Readmit(CGameServer* pServer);
    // The same after the buddies changed: the record's players are matched again.
    BOOL Rematch(CGameServer* pServer);
    // Whether the filters keep the record's row away, whatever the list mode.
    bool IsFilteredOut(const CGameServer* pServer) const;
    // The record is going: nothing of it is kept.
    void Forget(const CGameServer* pServer);

    // No rows at all (the records are about to go).
    void Clear();

    // The listed rows' totals: servers that answer, and players whatever the ping.
    int CountAnswering() const { return m_nAnswering; }
    int CountPlayers() const { return m_nPlayers; }
    // Records the list mode admits whose rows the filters hide.
    int CountHidden() const { return m_nHidden; }

private:
    // What a record's row shows, kept whether or not the mode lists it.
    struct CShown {
        std::vector<CString> texts;
        CFilterFacts facts;
        bool bListed = false;
        bool bHidden = false; // admitted by the mode, hidden by the filters
        bool bBuddy = false;  // a buddy is on the server
    };
    BOOL Admit(CGameServer* pServer, CShown& shown, bool bTextsChanged);
    bool HasBuddy(const CServerStatus& status) const;
    // Adds (1) or takes away (-1) a listed record's figures in the totals.
    void Count(const CShown& shown, int nSign);

    CRowTable m_table;
    int m_nListMode;
    CServerFilter m_filter;
    const CBuddyList* m_pBuddies = nullptr;
    std::unordered_map<const CGameServer*, CShown> m_shown;
    int m_nAnswering = 0;
    int m_nPlayers = 0;
    int m_nHidden = 0;
};
