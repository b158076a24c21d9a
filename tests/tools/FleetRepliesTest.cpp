// The fixture's fleet, seen by quakestat and by a client of our own.
#include "UdpClient.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

namespace {

std::string Quakestat(const std::string& servers)
{
    return RunCommand("timeout 20 quakestat -timeout 3 -R -P -raw , " + servers);
}

std::string Query(uint16_t port)
{
    return Quakestat("-q2s 127.0.0.1:" + std::to_string(port));
}

std::optional<Datagram> Ask(uint16_t port, int timeoutMs = 1000)
{
    UdpClient client;
    client.Send(port, kStatusRequest);
    return client.Receive(timeoutMs);
}

// The log lines that record datagrams from one client port, waiting up to a second for them.
std::vector<std::string> LogLinesFrom(uint16_t clientPort, size_t expected)
{
    const std::string path = Env("KELVANE_FLEET_LOG");
    std::vector<std::string> lines;
    if (path.empty()) return lines;
    std::string sender = " 127.0.0.1:" + std::to_string(clientPort) + " ";
    for (int attempt = 0; attempt < 100 && lines.size() < expected; ++attempt) {
        if (attempt) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        lines.clear();
        std::ifstream log(path);
        for (std::string line; std::getline(log, line);)
            if (line.find(sender) != std::string::npos) lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(FleetReplies, QuakestatReadsTheKeysAndPlayersWeServe)
{
    std::string out = Query(28001);
    // Name, map, max players, player count as quakestat counts them, then rules and players.
    EXPECT_NE(out.find("Q2S,127.0.0.1:28001,Kelvane Arena,q2dm8,12,3,"), std::string::npos) << out;
    EXPECT_NE(out.find("game=kelvane"), std::string::npos) << out;
    EXPECT_NE(out.find("website="), std::string::npos) << out;
    EXPECT_NE(out.find("\nAlice Smith,5,40\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nBob,-3,999\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nCarol,7,8"), std::string::npos) << out;

    std::string defaults = Query(28000);
    EXPECT_NE(defaults.find("Q2S,127.0.0.1:28000,Fake server 28000,q2dm1,16,0,"), std::string::npos) << defaults;
    EXPECT_NE(defaults.find("game=kelvane,dll_version=4.5"), std::string::npos) << defaults;

    std::string otherGame = Query(28008);
    EXPECT_NE(otherGame.find("game=baseq2"), std::string::npos) << otherGame;
}

TEST(FleetReplies, ServersThatDoNotAnswerLookDownToQuakestat)
{
    std::string out = Quakestat("-q2s 127.0.0.1:28002 -q2s 127.0.0.1:28003 -q2s 127.0.0.1:28004");
    EXPECT_NE(out.find("127.0.0.1:28002,TIMEOUT"), std::string::npos) << out;
    EXPECT_NE(out.find("127.0.0.1:28003,DOWN"), std::string::npos) << out;
    EXPECT_NE(out.find("127.0.0.1:28004,TIMEOUT"), std::string::npos) << out;
}

TEST(FleetReplies, ADelayedServerShowsItsDelayAsPing)
{
    std::string out = Query(28007);
    std::string prefix = "Q2S,127.0.0.1:28007,Fake server 28007,q2dm1,16,0,";
    size_t at = out.find(prefix);
    ASSERT_NE(at, std::string::npos) << out;
    int ping = std::atoi(out.c_str() + at + prefix.size());
    // quakestat stamps its send a few milliseconds late on a loaded machine (294 seen for 300).
    EXPECT_GE(ping, 290);
    EXPECT_LT(ping, 400);
}

TEST(FleetReplies, BrokenModesSendWhatTheyPromise)
{
    std::optional<Datagram> garbage = Ask(28004);
    ASSERT_TRUE(garbage);
    EXPECT_NE(garbage->bytes.compare(0, kReplyHeader.size(), kReplyHeader), 0);

    std::optional<Datagram> oversize = Ask(28005);
    ASSERT_TRUE(oversize);
    EXPECT_EQ(oversize->bytes.size(), 5000u);
    EXPECT_EQ(oversize->bytes.compare(0, kReplyHeader.size(), kReplyHeader), 0);

    std::optional<Datagram> stray = Ask(28006);
    ASSERT_TRUE(stray);
    EXPECT_NE(stray->fromPort, 28006);
    EXPECT_EQ(stray->bytes, std::string("\xFF\xFF\xFF\xFFprint\n\\hostname\\Fake server 28006\\mapname\\q2dm1"
                                        "\\game\\kelvane\\dll_version\\4.5\\maxclients\\16\n"));

    EXPECT_FALSE(Ask(28002, 300)) << "a silent server answered";
}

TEST(FleetReplies, TheLogRecordsEveryDatagramAndOnlyStatusRequestsAreAnswered)
{
    UdpClient client;
    client.Send(28000, kStatusRequest);
    std::optional<Datagram> reply = client.Receive(1000);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->fromPort, 28000);
    client.Send(28000, std::string("\xFF\xFF\xFF\xFFinfo 34\0", 12));
    EXPECT_FALSE(client.Receive(300)) << "answered a request that is not a status request";

    std::vector<std::string> lines = LogLinesFrom(client.Port(), 2);
    ASSERT_EQ(lines.size(), 2u);
    std::string sender = "127.0.0.1:" + std::to_string(client.Port());
    std::istringstream first(lines[0]);
    long ms = -1;
    std::string port, from, bytes;
    first >> ms >> port >> from >> bytes;
    EXPECT_GE(ms, 0);
    EXPECT_EQ(port, "28000");
    EXPECT_EQ(from, sender);
    EXPECT_EQ(bytes, "\\xff\\xff\\xff\\xffstatus");
    EXPECT_NE(lines[1].find(" 28000 " + sender + " \\xff\\xff\\xff\\xffinfo 34\\x00"), std::string::npos) << lines[1];
}

TEST(FleetReplies, ManyDelayedServersAnswerSideBySide)
{
    // 50 servers that each wait 200 ms: answered together, not one after another.
    UdpClient client;
    auto start = std::chrono::steady_clock::now();
    for (uint16_t port = 28040; port < 28090; ++port) client.Send(port, kStatusRequest);
    std::set<uint16_t> answered;
    while (answered.size() < 50) {
        std::optional<Datagram> reply = client.Receive(2000);
        if (!reply) break;
        answered.insert(reply->fromPort);
        EXPECT_EQ(reply->bytes.compare(0, kReplyHeader.size(), kReplyHeader), 0);
    }
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(answered.size(), 50u);
    EXPECT_GE(ms, 200);
    EXPECT_LT(ms, 600);
}
