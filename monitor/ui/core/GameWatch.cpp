#include "ui/core/GameWatch.h"

#include "query/GameText.h"

namespace {
CString ServerText(const CString& strName, const CString& strAddress, const CServerStatus& status)
{
    CString strText;
    strText.Format("%s (%d/%d)", static_cast<const char*>(strName.IsEmpty() ? strAddress : strName),
                   static_cast<int>(status.m_nPlayers), static_cast<int>(status.m_nMaxPlayers));
    return strText;
}
} // namespace

void CGameWatch::ServerPolled(const CString& strAddress, const CServerStatus& status, BOOL bFavorite,
                              const CBuddyList& buddies, int nGamePlayers)
{
    if (status.m_nPing >= PING_NOT_ANSWERING) {
        m_nPlayersOnline -= m_playersOn[strAddress];
        m_playersOn.erase(strAddress);
        return;
    }
    const int nPlayers = static_cast<int>(status.m_nPlayers);
    m_nPlayersOnline += nPlayers - m_playersOn[strAddress];
    m_playersOn[strAddress] = nPlayers;
    const CString strServer = ServerText(ReadableText(status.m_strName), strAddress, status);

    std::set<CString> found;
    if (!buddies.IsEmpty()) {
        const std::set<CString>& before = m_buddiesOn[strAddress];
        for (const CPlayerInfo& player : status.m_players) {
            const CString strName = ReadableText(player.GetName());
            if (!buddies.Matches(strName) || !found.insert(FoldedText(strName)).second)
                continue;
            if (!before.count(FoldedText(strName)))
                m_buddyNews.push_back({strName + " is playing on " + strServer, strAddress});
        }
    }
    if (found.empty())
        m_buddiesOn.erase(strAddress);
    else
        m_buddiesOn[strAddress] = std::move(found);

    if (bFavorite != 1) {
        m_favoritePlayers.erase(strAddress);
        return;
    }
    auto before = m_favoritePlayers.find(strAddress);
    if ((before == m_favoritePlayers.end() || before->second < nGamePlayers) && nPlayers >= nGamePlayers)
        m_gameNews.push_back({"A game is on at " + strServer, strAddress});
    m_favoritePlayers[strAddress] = nPlayers;
}

std::vector<CWatchNews> CGameWatch::TakeNews()
{
    std::vector<CWatchNews> news = std::move(m_buddyNews);
    news.insert(news.end(), m_gameNews.begin(), m_gameNews.end());
    m_buddyNews.clear();
    m_gameNews.clear();
    return news;
}

CString WatchNoticeText(const std::vector<CWatchNews>& news)
{
    if (news.empty())
        return CString();
    if (news.size() == 1)
        return news.front().strText;
    CString strMore;
    strMore.Format("\nand %d more", static_cast<int>(news.size() - 1));
    return news.front().strText + strMore;
}

CString WatchTooltip(int nPlayersOnline)
{
    CString strTip;
    strTip.Format("Kelvane Monitor - %d players online", nPlayersOnline);
    return strTip;
}
