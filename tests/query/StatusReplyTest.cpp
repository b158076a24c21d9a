#include <gtest/gtest.h>

#include "TestPaths.h"
#include "TestReplies.h"
#include "query/GameServer.h"
#include "query/InfoPairs.h"
#include "query/WordFilter.h"
#include "query/ServerWebsite.h"

namespace {

class StatusReply : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CGameServer first;  // loads whatever list the folder has (none) first
        ScratchDir dir("status_reply");
        WriteFile(dir.File("words.txt"), "darn\n");
        g_wordFilter.LoadFromFile(dir.File("words.txt").c_str());
    }

    CGameServer m_server{"127.0.0.1:27910"};

    bool Parse(const std::string& reply, DWORD ping = 42) { return m_server.ParseStatusReply(reply.c_str(), ping); }
};

TEST_F(StatusReply, AcceptedReplyFillsTheRecordCensored)
{
    ASSERT_TRUE(Parse(Reply("hostname\\Darn Fine\\mapname\\q2dm1\\game\\kelvane\\dll_version\\4.5\\maxclients\\16"
                            "\\NeedPass\\3",
                            "3 20 \"darnit\"\n-1 999 \"Eve\"\n")));
    EXPECT_EQ(m_server.GetStatus().m_nNeedPass, static_cast<DWORD>(NEEDPASS_PLAYER | NEEDPASS_SPECTATOR));
    EXPECT_EQ(m_server.GetName(), "**** Fine");
    EXPECT_EQ(m_server.GetMap(), "q2dm1");
    EXPECT_EQ(m_server.GetVersion(), "4.5");
    EXPECT_EQ(m_server.GetMaxPlayers(), 16u);
    EXPECT_EQ(m_server.GetPing(), 42u);
    ASSERT_EQ(m_server.GetPlayerCount(), 2u);
    EXPECT_EQ(m_server.GetPlayer(0)->GetName(), "****it");
    EXPECT_EQ(m_server.GetPlayer(1)->GetScore(), -1);
    EXPECT_EQ(m_server.GetWebsite(), "");
}

TEST_F(StatusReply, TheLastAcceptedReplysPairsStayInReplyOrderAsSent)
{
    EXPECT_EQ(m_server.GetStatus().m_pInfo, nullptr);
    ASSERT_TRUE(Parse(Reply("hostname\\darn\\Rule\\1\\rule\\2\\game\\kelvane\\empty\\\\last")));
    std::shared_ptr<const CString> pInfo = m_server.GetStatus().m_pInfo;
    ASSERT_NE(pInfo, nullptr);
    const std::vector<CInfoPair> expected = {
        {"hostname", "darn"}, {"Rule", "1"}, {"rule", "2"}, {"game", "kelvane"}, {"empty", ""}};
    EXPECT_EQ(SplitInfoPairs(*pInfo), expected) << "a key without a backslash after it is no pair";
    EXPECT_EQ(SplitInfoPairs("a\\b\\c\\"), (std::vector<CInfoPair>{{"a", "b"}, {"c", ""}}));

    // Another game's reply leaves them as they were.
    EXPECT_FALSE(Parse(Reply("hostname\\Other\\game\\baseq2")));
    EXPECT_EQ(m_server.GetStatus().m_pInfo, pInfo);
}

TEST_F(StatusReply, KeysAndTheGameValueMatchInAnyCase)
{
    ASSERT_TRUE(Parse(Reply("HostName\\A\\MAPNAME\\B\\Game\\KELVANE")));
    EXPECT_EQ(m_server.GetName(), "A");
    EXPECT_EQ(m_server.GetMap(), "B");
    ASSERT_TRUE(Parse(Reply("hostname\\No game key")));
}

TEST_F(StatusReply, AnotherGameKeepsOnlyWhatCameBeforeIt)
{
    ASSERT_TRUE(Parse(Reply("hostname\\Old\\game\\kelvane", "1 1 \"p\"\n"), 30));
    EXPECT_FALSE(Parse(Reply("hostname\\New\\maxclients\\8\\game\\baseq2\\mapname\\m\\sv_maxclients\\9", "1 1 \"q\"\n"), 5));
    EXPECT_EQ(m_server.GetName(), "New");
    EXPECT_EQ(m_server.GetMap(), "");
    EXPECT_EQ(m_server.GetMaxPlayers(), 8u);
    EXPECT_EQ(m_server.GetPlayerCount(), 0u);
    EXPECT_EQ(m_server.GetPlayer(0), nullptr);
    EXPECT_EQ(m_server.GetPing(), 30u);  // the ping is only set by an accepted reply
}

TEST_F(StatusReply, AWrongHeaderLeavesTheRecordAsItWas)
{
    ASSERT_TRUE(Parse(Reply("hostname\\Kept", "1 1 \"p\"\n")));
    EXPECT_FALSE(Parse("\xFF\xFF\xFF\xFFprint\nhostname\\Other\n"));
    EXPECT_FALSE(Parse("\xFF\xFF\xFF\xFFprint"));
    EXPECT_FALSE(Parse(""));
    EXPECT_EQ(m_server.GetName(), "Kept");
    EXPECT_EQ(m_server.GetPlayerCount(), 1u);
}

TEST_F(StatusReply, WebsiteIsTrimmedLowerCasedAndGivenTheScheme)
{
    const CString none = "http://base.example/none.html";
    SetNoWebsiteAddress(none);
    const std::pair<const char*, CString> cases[] = {
        {"WWW.Clan.Example/Home", "http://www.clan.example/home"},
        {"  http://x.example  ", "http://x.example"},
        {"", none},
        {"   ", none},
        {"HTTP://", none},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Parse(Reply(std::string("website\\") + c.first)));
        EXPECT_EQ(m_server.GetWebsite(), c.second) << c.first;
    }
}

TEST_F(StatusReply, TheLaterMaxClientsKeyWins)
{
    ASSERT_TRUE(Parse(Reply("maxclients\\16\\sv_maxclients\\24")));
    EXPECT_EQ(m_server.GetMaxPlayers(), 24u);
    ASSERT_TRUE(Parse(Reply("sv_maxclients\\24\\maxclients\\16")));
    EXPECT_EQ(m_server.GetMaxPlayers(), 16u);
    ASSERT_TRUE(Parse(Reply("hostname\\x")));
    EXPECT_EQ(m_server.GetMaxPlayers(), 0u);
}

TEST_F(StatusReply, PlayerTextLines)
{
    ASSERT_TRUE(Parse(Reply("game\\kelvane", "1 1 \"a\"\n\n2 2 \"b\"")));
    ASSERT_EQ(m_server.GetPlayerCount(), 2u);
    EXPECT_EQ(m_server.GetPlayer(1)->GetName(), "b");
    EXPECT_EQ(m_server.GetPlayer(-1), nullptr); // bounded by the count and the list
    EXPECT_EQ(m_server.GetPlayer(2), nullptr);
    ASSERT_EQ(m_server.GetStatus().m_players.size(), 2u);
    EXPECT_EQ(m_server.GetStatus().m_players[1].GetScore(), 2);
    ASSERT_TRUE(Parse(Reply("game\\kelvane", "junk\n")));
    ASSERT_EQ(m_server.GetPlayerCount(), 1u);  // a line that does not scan still counts
    EXPECT_EQ(m_server.GetPlayer(0)->GetName(), "");
    ASSERT_TRUE(Parse("\xFF\xFF\xFF\xFFprint\n\\game\\kelvane\\hostname\\no line feed"));
    EXPECT_EQ(m_server.GetName(), "no line feed");
    EXPECT_EQ(m_server.GetPlayerCount(), 0u);
}

}  // namespace
