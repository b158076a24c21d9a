// The players of every server, searched by name as the Find Player window types:
// each reply replaces its server's players, and a keystroke searches all of them
// without asking a single record.
#pragma once

#include <unordered_map>
#include <vector>

#include "query/GameServer.h"
#include "ui/core/BuddyList.h"
#include "ui/core/ServerCollection.h"

enum PlayerSearchColumn {
    FIND_COLUMN_PLAYER, FIND_COLUMN_SERVER, FIND_COLUMN_PING, FIND_COLUMN_ADDRESS, FIND_COLUMN_COUNT
};

// One player of one server, with the texts its row shows.
struct CPlayerMatch {
    CGameServer* pServer;
    int nPlayer; // the player's place in the server's reply
    CString strColumns[FIND_COLUMN_COUNT];
    CString strName;   // the server's bytes: where typed text is sought as typed
    CString strFolded; // the shown name lower-cased: where it is sought in any case
    bool bBuddy;       // drawn bold
};

class CPlayerSearch {
public:
    virtual ~CPlayerSearch() = default;

    // Whose matches are buddies', from the next Update on.
    void SetBuddies(const CBuddyList* pBuddies) { m_pBuddies = pBuddies; }

    // The server's players are now those of its status; the matches follow.
    void Update(CGameServer* pServer, const CServerStatus& status);
    // Every server's players, as the window opens, a slice of servers at a time so
    // that a long list never holds the window: BeginLoad, then LoadSome until it
    // says the players are read and ordered. Replies meanwhile are taken in; the order is
    // made once, at the end, where a server at a time would pass over the whole
    // list for each.
    void BeginLoad();
    bool LoadSome(const CServerCollection& servers, int nServers);
    bool IsLoading() const { return m_nLoadNext >= 0; }
    // All in one go.
    void Load(const CServerCollection& servers);
    // Lists the players whose name holds the text as typed, or whose shown name
    // holds it in any case (every one for the empty text), in the current order.
    // A typed letter beyond ASCII is that letter, never the game's reading of it.
    void SetText(const CString& strText);
    // Orders the matches by the column's texts as both main lists compare them.
    void Sort(int nColumn, BOOL bAscending);
    int GetSortColumn() const { return m_nSortColumn; }
    BOOL IsSortAscending() const { return m_bSortAscending; }

    int GetCount() const { return static_cast<int>(m_matches.size()); }
    const CPlayerMatch& GetAt(int nRow) const { return *m_matches[static_cast<size_t>(nRow)]; }
    // The first row of a player so named (as shown) on that server, or -1: a
    // new reply may list the player at another place.
    int Find(CGameServer* pServer, const CString& strPlayer) const;

private:
    // The server's players as its status lists them; the ordered lists are not touched.
    const std::vector<CPlayerMatch>& Replace(CGameServer* pServer, const CServerStatus& status);
    // The matches of the typed text, in the current order.
    void Rematch();
    bool Matches(const CPlayerMatch& player) const;
    bool Before(const CPlayerMatch* pA, const CPlayerMatch* pB) const;
    // Among equal texts: by address, then reply order.
    static bool TieBefore(const CPlayerMatch* pA, const CPlayerMatch* pB);
    void SortOrdered();
    // Puts each of the server's players into the list at its place in the order.
    void InsertInOrder(std::vector<const CPlayerMatch*>& list, const std::vector<CPlayerMatch>& players, bool bMatchesOnly);

    const CBuddyList* m_pBuddies = nullptr;
    std::unordered_map<CGameServer*, std::vector<CPlayerMatch>> m_players;
    // Every player in the current order: a keystroke only filters it.
    std::vector<const CPlayerMatch*> m_ordered;
    std::vector<const CPlayerMatch*> m_matches;
    CString m_strTyped;
    CString m_strFolded;
    // Whether the text can be in a name's bytes and not in its shown form.
    bool m_bSeekTyped = false;
    int m_nLoadNext = -1; // the next server a load reads, -1 when none runs
    int m_nSortColumn = FIND_COLUMN_PLAYER;
    BOOL m_bSortAscending = TRUE;
};
