// Real queries over UDP on 127.0.0.1 against the fake server fleet.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include "PostedMessages.h"
#include "TestPaths.h"
#include "TestReplies.h"
#include "query/GameServer.h"
#include "query/QueryDone.h"
#include "query/StatusExchange.h"

namespace {

using Clock = std::chrono::steady_clock;

long MsSince(Clock::time_point start)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

CString Local(int port)
{
    CString address;
    address.Format("127.0.0.1:%d", port);
    return address;
}

class Query : public ::testing::Test {
protected:
    void SetUp() override { ReceivePostedMessagesHere(); }

    // The outcome of the one notice for server, or 0 when none came in time.
    LPARAM WaitDone(const CGameServer& server, int timeoutMs = 3000)
    {
        TestMessage msg;
        if (!WaitPostedMessage(msg, timeoutMs))
            return 0;
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUERYDONE));
        EXPECT_EQ(msg.wParam, reinterpret_cast<WPARAM>(&server));
        return msg.lParam;
    }

    // Runs one query; the outcome and how long it took.
    LPARAM QueryOnce(CGameServer& server, long* pElapsedMs = nullptr)
    {
        Clock::time_point start = Clock::now();
        EXPECT_TRUE(server.StartQuery());
        LPARAM outcome = WaitDone(server);
        if (pElapsedMs)
            *pElapsedMs = MsSince(start);
        EXPECT_FALSE(server.IsQuerying());
        return outcome;
    }

    // A record that already lists players, so a failed query shows what it clears.
    void GivePlayers(CGameServer& server)
    {
        ASSERT_TRUE(server.ParseStatusReply(Reply("hostname\\Before", "1 1 \"old\"\n").c_str(), 10));
    }
};

// The ten request bytes as the fleet logged them for one port.
std::vector<std::string> LoggedRequests(const char* port)
{
    std::vector<std::string> requests;
    std::ifstream in(Env("KELVANE_FLEET_LOG"));
    std::string ms, logPort, sender, bytes;
    while (in >> ms >> logPort >> sender >> bytes)
        if (logPort == port)
            requests.push_back(bytes);
    return requests;
}

TEST_F(Query, AnsweringServerGivesItsContentAndPing)
{
    CGameServer server(Local(28100));
    ASSERT_EQ(QueryOnce(server), QUERY_ACCEPTED);
    CServerStatus status = server.GetStatus();
    EXPECT_EQ(status.m_strName, "Loopback One");
    EXPECT_EQ(status.m_strMap, "q2dm3");
    EXPECT_EQ(status.m_nMaxPlayers, 12u);
    ASSERT_EQ(status.m_nPlayers, 2u);
    EXPECT_EQ(status.m_players[1].GetName(), "Bob");
    EXPECT_EQ(status.m_players[1].GetScore(), -2);
    EXPECT_LT(status.m_nPing, 100u);
    EXPECT_EQ(LoggedRequests("28100"), std::vector<std::string>{"\\xff\\xff\\xff\\xffstatus"});

    CGameServer delayed(Local(28101));
    ASSERT_EQ(QueryOnce(delayed), QUERY_ACCEPTED);
    EXPECT_GE(delayed.GetPing(), 20u);
    EXPECT_LT(delayed.GetPing(), 150u);
}

// The accessors read as a silent server from the thread's first step; the
// snapshot the rows show keeps the record as it was until the query ends, and
// after a failed one lists none of the players the record still holds.
TEST_F(Query, SilentServerReadsAsNotAnsweringFromTheStart)
{
    CGameServer server(Local(28102));
    GivePlayers(server);
    Clock::time_point start = Clock::now();
    ASSERT_TRUE(server.StartQuery());
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(server.IsQuerying());
    EXPECT_EQ(server.GetPing(), 750u);
    EXPECT_EQ(server.GetPlayerCount(), 0u);
    EXPECT_EQ(server.GetPlayer(0), nullptr);
    CServerStatus during = server.GetStatus();
    EXPECT_EQ(during.m_strName, "Before");
    EXPECT_EQ(during.m_nPing, 10u);
    EXPECT_EQ(during.m_nPlayers, 1u);
    ASSERT_EQ(during.m_players.size(), 1u);
    EXPECT_EQ(during.m_players[0].GetName(), "old");

    EXPECT_EQ(WaitDone(server), QUERY_FAILED);
    EXPECT_GE(MsSince(start), 740);
    EXPECT_EQ(server.GetPing(), 750u);
    EXPECT_EQ(server.GetName(), "Before");
    CServerStatus after = server.GetStatus();
    EXPECT_EQ(after.m_strName, "Before");
    EXPECT_EQ(after.m_nPing, 750u);
    EXPECT_EQ(after.m_nPlayers, 0u);
    EXPECT_TRUE(after.m_players.empty());
}

// Whatever a reader copies while queries run and publish, it is one reply's
// state: the previous one or the new one, never a mix.
TEST_F(Query, SnapshotsTakenDuringQueriesAreWhole)
{
    CGameServer server(Local(28100));
    GivePlayers(server);
    for (int nQuery = 0; nQuery < 3; ++nQuery) {
        ASSERT_TRUE(server.StartQuery());
        TestMessage msg;
        bool bDone = false;
        while (!bDone) {
            CServerStatus status = server.GetStatus();
            bool bBefore = status.m_strName == "Before" && status.m_nPing == 10 && status.m_players.size() == 1;
            bool bAfter = status.m_strName == "Loopback One" && status.m_nPing < 750 && status.m_players.size() == 2;
            ASSERT_TRUE(bBefore || bAfter) << "query " << nQuery << ": " << status.m_strName.str() << " "
                                           << status.m_nPing << " " << status.m_players.size();
            ASSERT_EQ(status.m_nPlayers, status.m_players.size());
            bDone = WaitPostedMessage(msg, 0);
        }
        ASSERT_EQ(msg.lParam, QUERY_ACCEPTED);
        EXPECT_EQ(server.GetStatus().m_strName, "Loopback One");
        GivePlayers(server);
    }
}

// The received bytes become the reply text up to the first zero byte: what
// follows it never reaches the parse.
TEST_F(Query, AZeroByteInTheDatagramEndsTheReplyText)
{
    const std::string expected = Reply("hostname\\Zero Byte\\game\\kelvane", "1 10 \"Shown\"\n");
    CString strReply;
    DWORD nPing = 0;
    ASSERT_TRUE(ExchangeStatus(Local(28109), strReply, nPing));
    EXPECT_EQ(strReply.GetLength(), static_cast<int>(expected.size()));
    EXPECT_EQ(std::string(static_cast<const char*>(strReply), strReply.GetLength()), expected);

    CGameServer server(Local(28109));
    ASSERT_EQ(QueryOnce(server), QUERY_ACCEPTED);
    ASSERT_EQ(server.GetPlayerCount(), 1u);
    EXPECT_EQ(server.GetPlayer(0)->GetName(), "Shown");
}

TEST_F(Query, AnotherGameReadsAsNotAnswering)
{
    CGameServer server(Local(28103));
    GivePlayers(server);
    EXPECT_EQ(QueryOnce(server), QUERY_FAILED);
    EXPECT_EQ(server.GetName(), "Other Game");
    EXPECT_EQ(server.GetPing(), 750u);
    EXPECT_EQ(server.GetPlayerCount(), 0u);
}

TEST_F(Query, FailedExchangesEndAtTheRightTime)
{
    const bool bUnreachableReported = !RunningUnderWine();
    struct {
        CString address;
        long minMs, maxMs;
    } cases[] = {
        {Local(28104), 0, 500},     // garbage: refused when it arrives
        {Local(28105), 0, 500},     // oversize: a receive error, not a cut reply
        {Local(28106), 740, 2000},  // the reply comes from another port: ignored
        {Local(28107), 0, bUnreachableReported ? 500 : 2000},  // closed port
        {"no-such-host.invalid:28100", 0, 700},
    };
    for (const auto& c : cases) {
        CGameServer server(c.address);
        long elapsed = 0;
        EXPECT_EQ(QueryOnce(server, &elapsed), QUERY_FAILED) << c.address;
        EXPECT_GE(elapsed, c.minMs) << c.address;
        EXPECT_LT(elapsed, c.maxMs) << c.address;
    }
}

TEST_F(Query, ASecondStartWhileRunningIsRefused)
{
    CGameServer server(Local(28108));
    ASSERT_TRUE(server.StartQuery());
    EXPECT_FALSE(server.StartQuery());
    EXPECT_EQ(WaitDone(server), QUERY_ACCEPTED);
    TestMessage extra;
    EXPECT_FALSE(WaitPostedMessage(extra, 400));
}

TEST_F(Query, DeletingARecordWaitsForItsQuery)
{
    auto server = std::make_unique<CGameServer>(Local(28102));
    const WPARAM id = reinterpret_cast<WPARAM>(server.get());
    Clock::time_point start = Clock::now();
    ASSERT_TRUE(server->StartQuery());
    server.reset();
    EXPECT_GE(MsSince(start), 740);
    TestMessage msg;
    ASSERT_TRUE(WaitPostedMessage(msg, 1000));
    EXPECT_EQ(msg.wParam, id);
}

TEST_F(Query, ManyRecordsSideBySide)
{
    const int count = 40;
    std::vector<std::unique_ptr<CGameServer>> servers;
    Clock::time_point start = Clock::now();
    for (int i = 0; i < count; ++i) {
        servers.push_back(std::make_unique<CGameServer>(Local(28150 + i)));
        ASSERT_TRUE(servers.back()->StartQuery());
    }
    std::set<WPARAM> done;
    TestMessage msg;
    while (done.size() < count && WaitPostedMessage(msg, 3000)) {
        EXPECT_EQ(msg.lParam, QUERY_ACCEPTED);
        done.insert(msg.wParam);
    }
    EXPECT_EQ(done.size(), static_cast<size_t>(count));
    EXPECT_LT(MsSince(start), 2000);  // in parallel: 40 servers of 100 ms each
    for (const auto& server : servers)
        EXPECT_GE(server->GetPing(), 100u);
}

}  // namespace
