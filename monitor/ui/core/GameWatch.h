// What a poll has news of while the monitor watches for games: a buddy on a
// server where the polls before did not find them, and a favourite server that
// reaches the players of a game from fewer. A buddy is told of once per stay on a
// server: not again until a reply of that server no longer lists them. A server
// that does not answer tells nothing: who was on it is kept, not taken as gone.
#pragma once

#include <map>
#include <set>
#include <vector>

#include "query/GameServer.h"
#include "ui/core/BuddyList.h"

struct CWatchNews {
    CString strText;    // as the notice shows it, names readable
    CString strAddress; // the server it is about
};

class CGameWatch {
public:
    virtual ~CGameWatch() = default;

    // A poll's reply of the server; nGamePlayers: how many players make a game.
    void ServerPolled(const CString& strAddress, const CServerStatus& status, BOOL bFavorite,
                      const CBuddyList& buddies, int nGamePlayers);
    // The poll has ended: its news, the buddies' first, each kind in reply order.
    std::vector<CWatchNews> TakeNews();
    // The players of the servers that answered when last asked.
    int PlayersOnline() const { return m_nPlayersOnline; }

private:
    // Per server: the buddies its last answer listed (their names folded), and
    // the players of a favourite.
    std::map<CString, std::set<CString>> m_buddiesOn;
    std::map<CString, int> m_favoritePlayers;
    std::map<CString, int> m_playersOn;
    int m_nPlayersOnline = 0;
    std::vector<CWatchNews> m_buddyNews;
    std::vector<CWatchNews> m_gameNews;
};

// One notice for a poll's news: the first, and how many more there are.
CString WatchNoticeText(const std::vector<CWatchNews>& news);
// The notification-area icon's tooltip.
CString WatchTooltip(int nPlayersOnline);
