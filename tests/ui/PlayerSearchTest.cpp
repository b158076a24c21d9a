#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/core/PlayerSearch.h"
#include "ui/core/ServerCollection.h"

namespace {

// A record that has answered with these players, each "<score> <ping> \"<name>\"".
std::unique_ptr<CGameServer> Answered(int nPort, const std::string& name, const std::vector<std::string>& players)
{
    auto pServer = std::make_unique<CGameServer>(CString(("10.0.0.1:" + std::to_string(nPort)).c_str()));
    std::string reply = std::string("\xFF\xFF\xFF\xFFprint\n\\hostname\\") + name + "\\game\\kelvane\n";
    for (const std::string& player : players)
        reply += player + "\n";
    EXPECT_TRUE(pServer->ParseStatusReply(reply.c_str(), 40));
    return pServer;
}

std::vector<std::string> Column(const CPlayerSearch& search, int nColumn)
{
    std::vector<std::string> texts;
    for (int i = 0; i < search.GetCount(); ++i)
        texts.push_back(search.GetAt(i).strColumns[nColumn].str());
    return texts;
}

class PlayerSearch : public ::testing::Test {
protected:
    PlayerSearch()
    {
        m_servers.push_back(Answered(1, "\xcb" "elvane", {"1 80 \"\xc2ob\"", "2 15 \"Al\""}));
        m_servers.push_back(Answered(2, "Other", {"0 120 \"bobby\"", "3 9 \"Cy\""}));
        for (auto& pServer : m_servers)
            m_search.Update(pServer.get(), pServer->GetStatus());
    }

    std::vector<std::unique_ptr<CGameServer>> m_servers;
    CPlayerSearch m_search;
};

TEST_F(PlayerSearch, TypedTextMatchesShownNamesInAnyCase)
{
    m_search.SetText("");
    EXPECT_EQ(Column(m_search, FIND_COLUMN_PLAYER), (std::vector<std::string>{"Al", "Bob", "Cy", "bobby"})) << "byte order, as the main lists sort";
    m_search.SetText("OB");
    EXPECT_EQ(Column(m_search, FIND_COLUMN_PLAYER), (std::vector<std::string>{"Bob", "bobby"}));
    EXPECT_EQ(Column(m_search, FIND_COLUMN_SERVER), (std::vector<std::string>{"Kelvane", "Other"}));
    EXPECT_EQ(Column(m_search, FIND_COLUMN_PING), (std::vector<std::string>{"80", "120"}));
    EXPECT_EQ(Column(m_search, FIND_COLUMN_ADDRESS), (std::vector<std::string>{"10.0.0.1:1", "10.0.0.1:2"}));
    m_search.SetText("\xc2o"); // a name's own alternate letters, pasted
    EXPECT_EQ(Column(m_search, FIND_COLUMN_PLAYER), std::vector<std::string>{"Bob"});
    m_search.SetText("zz");
    EXPECT_EQ(m_search.GetCount(), 0);
}

TEST_F(PlayerSearch, SortsByAnyColumnAndFollowsNewRepliesInOrder)
{
    m_search.SetText("");
    m_search.Sort(FIND_COLUMN_PING, TRUE);
    EXPECT_EQ(Column(m_search, FIND_COLUMN_PING), (std::vector<std::string>{"9", "15", "80", "120"}));
    m_search.Sort(FIND_COLUMN_PING, FALSE);
    EXPECT_EQ(Column(m_search, FIND_COLUMN_PLAYER), (std::vector<std::string>{"bobby", "Bob", "Al", "Cy"}));

    // A new reply of the second server replaces its players, in the order in force.
    ASSERT_TRUE(m_servers[1]->ParseStatusReply("\xFF\xFF\xFF\xFFprint\n\\game\\kelvane\n5 50 \"Dee\"\n", 30));
    m_search.Update(m_servers[1].get(), m_servers[1]->GetStatus());
    EXPECT_EQ(Column(m_search, FIND_COLUMN_PLAYER), (std::vector<std::string>{"Bob", "Dee", "Al"}));
    EXPECT_EQ(m_search.Find(m_servers[1].get(), "Dee"), 1);
    EXPECT_EQ(m_search.Find(m_servers[1].get(), "Cy"), -1);
    EXPECT_EQ(m_search.Find(m_servers[0].get(), "Dee"), -1);
}

// The window's opening takes every server at once: the same rows, in the same order,
// as servers taken one at a time, in every sort; replies that follow go to their places.
TEST(PlayerSearchLoad, EveryServerAtOnceListsAsOneAtATime)
{
    CServerCollection servers;
    for (int i = 0; i < 40; ++i) {
        std::vector<std::string> players;
        // Silent servers between, names and pings alike across servers, numbers and letters.
        for (int p = 0; i % 3 != 2 && p < 1 + i % 4; ++p)
            players.push_back(std::to_string(p - 1) + " " + std::to_string((i * 7 + p) % 5 * 40) + " \"" +
                              (p % 2 ? "Al" : std::to_string(i % 6) + "x") + "\"");
        servers.Add(Answered(100 + i, i % 2 ? "Base" : std::to_string(i) + " Base", players).release(), FALSE);
    }
    CPlayerSearch loaded, oneByOne, sliced;
    for (CGameServer* pServer : servers)
        oneByOne.Update(pServer, pServer->GetStatus());
    loaded.Load(servers);
    const auto sameAs = [&](const CPlayerSearch& search, const char* pszWhat) {
        ASSERT_EQ(search.GetCount(), oneByOne.GetCount()) << pszWhat;
        for (int i = 0; i < search.GetCount(); ++i) {
            EXPECT_EQ(search.GetAt(i).pServer, oneByOne.GetAt(i).pServer) << pszWhat << " row " << i;
            EXPECT_EQ(search.GetAt(i).nPlayer, oneByOne.GetAt(i).nPlayer) << pszWhat << " row " << i;
        }
    };
    const auto same = [&](const char* pszWhat) { sameAs(loaded, pszWhat); };
    same("as loaded");
    // In slices, with replies of servers read and not yet read arriving between them.
    sliced.BeginLoad();
    for (int nCall = 1; !sliced.LoadSome(servers, 7); ++nCall) {
        EXPECT_TRUE(sliced.IsLoading());
        if (nCall == 2 || nCall == 3)
            sliced.Update(servers.GetAt(nCall == 2 ? 30 : 1), servers.GetAt(nCall == 2 ? 30 : 1)->GetStatus());
    }
    EXPECT_FALSE(sliced.IsLoading());
    sameAs(sliced, "loaded in slices");
    EXPECT_EQ(loaded.GetCount(), 67);
    for (int nColumn = 0; nColumn < FIND_COLUMN_COUNT; ++nColumn) {
        for (BOOL bAscending : {TRUE, FALSE}) {
            loaded.Sort(nColumn, bAscending);
            oneByOne.Sort(nColumn, bAscending);
            same(("sorted by column " + std::to_string(nColumn)).c_str());
        }
    }
    loaded.SetText("al");
    oneByOne.SetText("al");
    same("searched");
    // A silent server answers with a player, an answering one falls silent.
    ASSERT_TRUE(servers.GetAt(2)->ParseStatusReply("\xFF\xFF\xFF\xFFprint\n\\game\\kelvane\n1 5 \"Alma\"\n", 30));
    ASSERT_TRUE(servers.GetAt(0)->ParseStatusReply("\xFF\xFF\xFF\xFFprint\n\\game\\kelvane\n", 30));
    for (CPlayerSearch* pSearch : {&loaded, &oneByOne}) {
        pSearch->Update(servers.GetAt(2), servers.GetAt(2)->GetStatus());
        pSearch->Update(servers.GetAt(0), servers.GetAt(0)->GetStatus());
    }
    same("after replies");
    EXPECT_GE(loaded.Find(servers.GetAt(2), "Alma"), 0);
    servers.DeleteAll();
}

} // namespace

// A letter typed beyond ASCII is that letter: it finds the names that hold it,
// never the plain letter the game draws it as.
TEST_F(PlayerSearch, TypedTextIsSoughtAsTypedAndInAnyCaseNeverAsTheGameReadsIt)
{
    m_servers.push_back(Answered(3, "Third", {"0 50 \"Ren\xe9\"", "0 60 \"Jim\""}));
    m_search.Update(m_servers.back().get(), m_servers.back()->GetStatus());
    m_search.SetText("\xe9"); // "é", which the game draws as "i"
    EXPECT_EQ(Column(m_search, FIND_COLUMN_PLAYER), std::vector<std::string>{"Reni"});
    m_search.SetText("N\xe9");
    EXPECT_EQ(m_search.GetCount(), 0) << "as typed, the case counts";
    m_search.SetText("nI");
    EXPECT_EQ(Column(m_search, FIND_COLUMN_PLAYER), std::vector<std::string>{"Reni"}) << "as shown, in any case";
    m_search.SetText("\xe2o"); // "âo": no name holds it
    EXPECT_EQ(m_search.GetCount(), 0);
}
