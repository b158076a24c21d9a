// Buddies and the news of a watched poll, without a window or a network.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/core/BuddyList.h"
#include "ui/core/GameWatch.h"

namespace {
CBuddyList Buddies(const char* pszText)
{
    CBuddyList buddies;
    buddies.Read(pszText);
    return buddies;
}

// A reply: the server's name, "players/slots" and the players' names; silent
// when nPing is the silence's.
CServerStatus Reply(const char* pszName, int nSlots, const std::vector<std::string>& players,
                    DWORD nPing = 40)
{
    CServerStatus status;
    status.m_strName = pszName;
    status.m_nPing = nPing;
    status.m_nMaxPlayers = static_cast<DWORD>(nSlots);
    status.m_nPlayers = nPing < PING_NOT_ANSWERING ? static_cast<DWORD>(players.size()) : 0;
    for (const std::string& name : players)
        status.m_players.emplace_back(CString(("1 20 \"" + name + "\"").c_str()));
    return status;
}

std::vector<std::string> Texts(const std::vector<CWatchNews>& news)
{
    std::vector<std::string> texts;
    for (const CWatchNews& item : news)
        texts.push_back(item.strText.str() + " @" + item.strAddress.str());
    return texts;
}
} // namespace

TEST(BuddyList, AReadableNameInAnyCaseWithAStarForAnyTextAtEitherEnd)
{
    const CBuddyList buddies = Buddies("alice\n  Bob*\r\n*Snipe\n*mid*\nx*y\n");
    struct {
        const char* pszPlayer;
        bool bBuddy;
    } cases[] = {
        {"ALICE", true}, {"alice2", false}, {"malice", false},
        // The game's alternate letters read as the plain ones.
        {"\xe1lice", true},
        {"bob", true}, {"Bobby", true}, {"xbob", false},
        {"TheSnipe", true}, {"snipe", true}, {"Sniper", false},
        {"amidst", true}, {"mid", true},
        // A star inside a name is a star.
        {"x*y", true}, {"xay", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(buddies.Matches(c.pszPlayer), c.bBuddy) << c.pszPlayer;
    EXPECT_FALSE(CBuddyList().Matches("alice")) << "no buddies, no buddy";
}

TEST(BuddyList, TheFileKeepsGoodNamesOnceAndSkipsWhatIsNoName)
{
    CBuddyList buddies;
    buddies.Read("alice\n\n ALICE \n*\n**\nbad\x01name\n" + std::string(200, 'z') + "\nbob\r\nalice*\n"
                 + std::string("nul\0byte\n", 9) + "carol");
    EXPECT_EQ(BuddyFileText(buddies.Names()), "alice\nbob\nalice*\ncarol\n");
    // What is written reads back the same.
    CBuddyList again;
    again.Read(BuddyFileText(buddies.Names()));
    EXPECT_EQ(again.Names(), buddies.Names());

    // The window's Add and Remove take the same rule.
    EXPECT_FALSE(buddies.Add("  Carol "));
    EXPECT_FALSE(buddies.Add("*"));
    EXPECT_TRUE(buddies.Add(" dave "));
    EXPECT_EQ(buddies.Names().back(), "dave");
    EXPECT_TRUE(buddies.Remove("alice"));
    EXPECT_FALSE(buddies.Remove("alice"));
    EXPECT_TRUE(buddies.Matches("alice in chains"));
    EXPECT_TRUE(buddies.Remove("alice*"));
    EXPECT_FALSE(buddies.Matches("alice in chains"));
}

TEST(GameWatch, ABuddyIsToldOfOncePerStayOnAServer)
{
    const CBuddyList buddies = Buddies("alice\n*bot\n");
    CGameWatch watch;
    auto poll = [&](const CString& strAddress, const CServerStatus& status) {
        watch.ServerPolled(strAddress, status, FALSE, buddies, 2);
    };

    poll("a:1", Reply("Alpha", 8, {"Bob"}));
    EXPECT_TRUE(watch.TakeNews().empty());

    // Two buddies at once, each once, and the same name twice only once.
    poll("a:1", Reply("\xc1lpha", 8, {"Bob", "\xe1lice", "RoboBOT", "alice"}));
    EXPECT_EQ(Texts(watch.TakeNews()), (std::vector<std::string>{"alice is playing on Alpha (4/8) @a:1",
                                                                  "RoboBOT is playing on Alpha (4/8) @a:1"}));
    // Still there, or the server silent for a poll: no news.
    poll("a:1", Reply("Alpha", 8, {"alice", "RoboBOT"}));
    poll("a:1", Reply("Alpha", 8, {}, PING_NOT_ANSWERING));
    poll("a:1", Reply("Alpha", 8, {"ALICE"}));
    EXPECT_TRUE(watch.TakeNews().empty());
    // Elsewhere at the same time is news; a server without a name goes by its address.
    poll("b:2", Reply("", 4, {"alice"}));
    EXPECT_EQ(Texts(watch.TakeNews()), std::vector<std::string>{"alice is playing on b:2 (1/4) @b:2"});
    // Gone from a server and back is news again.
    poll("a:1", Reply("Alpha", 8, {"Bob"}));
    EXPECT_TRUE(watch.TakeNews().empty());
    poll("a:1", Reply("Alpha", 8, {"alice"}));
    EXPECT_EQ(watch.TakeNews().size(), 1u);
}

TEST(GameWatch, AFavouriteReachingAGameFromFewerAndTheNoticeOfSeveral)
{
    const CBuddyList buddies = Buddies("dee");
    CGameWatch watch;
    auto poll = [&](const char* pszAddress, const CServerStatus& status, BOOL bFavorite) {
        watch.ServerPolled(pszAddress, status, bFavorite, buddies, 3);
    };
    poll("fav:1", Reply("Fav", 8, {"a", "b"}), TRUE);
    poll("plain:1", Reply("Plain", 8, {"a", "b", "c"}), FALSE);
    EXPECT_TRUE(watch.TakeNews().empty());
    EXPECT_EQ(watch.PlayersOnline(), 5);

    // The buddy's news comes first, whatever the order of the replies.
    poll("fav:1", Reply("Fav", 8, {"a", "b", "c"}), TRUE);
    poll("plain:1", Reply("Plain", 8, {"a", "b", "c", "d"}), FALSE);
    poll("other:1", Reply("Other", 16, {"dee"}), FALSE);
    const std::vector<CWatchNews> news = watch.TakeNews();
    EXPECT_EQ(Texts(news), (std::vector<std::string>{"dee is playing on Other (1/16) @other:1",
                                                      "A game is on at Fav (3/8) @fav:1"}));
    EXPECT_EQ(WatchNoticeText(news), "dee is playing on Other (1/16)\nand 1 more");
    EXPECT_EQ(WatchNoticeText({news[1]}), "A game is on at Fav (3/8)");
    EXPECT_EQ(WatchTooltip(watch.PlayersOnline()), "Kelvane Monitor - 8 players online");

    // Still a game, or silent for a poll: no news; below the mark and back is news.
    poll("fav:1", Reply("Fav", 8, {"a", "b", "c", "d"}), TRUE);
    poll("fav:1", Reply("Fav", 8, {}, PING_NOT_ANSWERING), TRUE);
    EXPECT_EQ(watch.PlayersOnline(), 5) << "a silent server has nobody online";
    poll("fav:1", Reply("Fav", 8, {"a", "b", "c"}), TRUE);
    EXPECT_TRUE(watch.TakeNews().empty());
    poll("fav:1", Reply("Fav", 8, {"a"}), TRUE);
    poll("fav:1", Reply("Fav", 8, {"a", "b", "c"}), TRUE);
    EXPECT_EQ(watch.TakeNews().size(), 1u);
}
