#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "TestPaths.h"
#include "TestReplies.h"
#include "query/GameServer.h"

namespace {

TEST(GameServerAddress, MissingOrZeroPortBecomesTheDefaultPort)
{
    EXPECT_EQ(CGameServer("10.0.0.1").GetAddress(), "10.0.0.1:27910");
    EXPECT_EQ(CGameServer("10.0.0.1:0").GetAddress(), "10.0.0.1:27910");
    EXPECT_EQ(CGameServer("10.0.0.1:").GetAddress(), "10.0.0.1:27910");
    EXPECT_EQ(CGameServer("10.0.0.1:abc").GetAddress(), "10.0.0.1:27910");
    EXPECT_EQ(CGameServer("host.example:27911x").GetAddress(), "host.example:27911x");
    EXPECT_EQ(CGameServer(":27920").GetAddress(), ":27920");
    EXPECT_EQ(CGameServer().GetAddress(), "0.0.0.0:0");
}

void ExpectPlayer(const char* line, int score, DWORD ping, const char* name)
{
    CPlayerInfo player{CString(line)};
    EXPECT_EQ(player.GetScore(), score) << line;
    EXPECT_EQ(player.GetPing(), ping) << line;
    EXPECT_EQ(player.GetName(), name) << line;
}

TEST(PlayerLine, ScansScorePingAndQuotedName)
{
    ExpectPlayer("12 50 \"Bob\"", 12, 50, "Bob");
    ExpectPlayer("  -3 7  \"Big Bad Bob\" trailing", -3, 7, "Big Bad Bob");
    ExpectPlayer("1 2 \"no closing quote", 1, 2, "no closing quote");
    ExpectPlayer("99999999999 5 \"huge\"", 2147483647, 5, "huge");
}

TEST(PlayerLine, LinesThatDoNotScanGiveAnEmptyPlayer)
{
    ExpectPlayer("4 5 \"\"", 0, 0, "");
    ExpectPlayer("12 \"Bob\"", 0, 0, "");
    ExpectPlayer("12 50 Bob", 0, 0, "");
    ExpectPlayer("", 0, 0, "");
}

TEST(PlayerLine, LongNamesAreCutAt128Characters)
{
    std::string line = "1 2 \"" + std::string(300, 'n') + "\"";
    EXPECT_EQ(CPlayerInfo(line.c_str()).GetName(), std::string(128, 'n').c_str());
}

TEST(GameServerPlayers, GetPlayerIsBoundedByTheCountAndTheList)
{
    CGameServer server("127.0.0.1");
    ASSERT_TRUE(server.ParseStatusReply(Reply("game\\kelvane", "1 1 \"a\"\n2 2 \"b\"\n3 3 \"c\"\n").c_str(), 40));
    ASSERT_EQ(server.GetPlayerCount(), 3u);
    EXPECT_EQ(server.GetPlayer(-1), nullptr);
    EXPECT_EQ(server.GetPlayer(3), nullptr);
    ASSERT_NE(server.GetPlayer(2), nullptr);
    EXPECT_EQ(server.GetPlayer(2)->GetName(), "c");
    CServerStatus status = server.GetStatus();
    ASSERT_EQ(status.m_players.size(), 3u);
    EXPECT_EQ(status.m_players[1].GetScore(), 2);
}

// serverlist.txt record lines, through a real text file.
class RecordLines : public ::testing::Test {
protected:
    ScratchDir m_dir{"record_lines"};
    std::string m_path = m_dir.File("serverlist.txt");

    bool Read(CGameServer& server)
    {
        FILE* file = fopen(m_path.c_str(), "r");
        bool ok = server.ReadFromFile(file);
        fclose(file);
        return ok;
    }
};

TEST_F(RecordLines, RoundTripKeepsTheFieldsButNotTrailingSpaces)
{
    CGameServer written("192.168.1.5:27911");
    ASSERT_TRUE(written.ParseStatusReply(Reply("hostname\\  My Server  \\website\\www.x.example").c_str(), 10));
    written.SetFavorite(1);
    FILE* file = fopen(m_path.c_str(), "w");
    ASSERT_TRUE(written.WriteToFile(file));
    fclose(file);
    std::string text = ReadFile(m_path);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());  // text mode on Windows
    EXPECT_EQ(text, "192.168.1.5:27911\n  My Server  \nhttp://www.x.example\n1\n0\n");

    CGameServer read;
    ASSERT_TRUE(Read(read));
    EXPECT_EQ(read.GetAddress(), "192.168.1.5:27911");
    EXPECT_EQ(read.GetName(), "  My Server");
    EXPECT_EQ(read.GetWebsite(), "http://www.x.example");
    EXPECT_EQ(read.IsFavorite(), 1);
    EXPECT_EQ(read.IsIgnored(), 0);
}

TEST_F(RecordLines, MarksReadAsOneWhenNotZero)
{
    WriteFile(m_path, "a:1\r\nname\r\n\r\n2\r\nyes\r\n");
    CGameServer server;
    ASSERT_TRUE(Read(server));
    EXPECT_EQ(server.GetAddress(), "a:1");
    EXPECT_EQ(server.GetWebsite(), "");
    EXPECT_EQ(server.IsFavorite(), 1);
    EXPECT_EQ(server.IsIgnored(), 0);
}

TEST_F(RecordLines, AnOverlongLineStaysOneFieldAndTheRecordsStayAligned)
{
    std::string longName(1500, 'n');
    WriteFile(m_path, "a:1\n" + longName + "\nhttp://w\n0\n1\nb:2\nsecond\n\n1\n0\n");
    FILE* file = fopen(m_path.c_str(), "r");
    CGameServer first, second;
    ASSERT_TRUE(first.ReadFromFile(file));
    ASSERT_TRUE(second.ReadFromFile(file));
    fclose(file);
    EXPECT_EQ(first.GetName(), longName.c_str());
    EXPECT_EQ(first.IsIgnored(), 1);
    EXPECT_EQ(second.GetAddress(), "b:2");
    EXPECT_EQ(second.IsFavorite(), 1);
}

TEST_F(RecordLines, AFileEndingInsideARecordIsRefused)
{
    WriteFile(m_path, "a:1\nname\nhttp://w\n");
    CGameServer server;
    EXPECT_FALSE(Read(server));
    EXPECT_EQ(server.GetAddress(), "a:1");
}

TEST_F(RecordLines, LineAndFileEndsInANameDoNotShiftOrEndTheFile)
{
    // A line feed gets in when a reply's information string starts right after one.
    CGameServer written("a:1");
    ASSERT_TRUE(written.ParseStatusReply("\xFF\xFF\xFF\xFFprint\n\\\n\\x\\hostname\\two\nlines\x1a!", 0));
    ASSERT_EQ(written.GetName(), "two\nlines\x1a!");
    FILE* file = fopen(m_path.c_str(), "w");
    ASSERT_TRUE(written.WriteToFile(file));
    fclose(file);
    CGameServer read;
    ASSERT_TRUE(Read(read));
    EXPECT_EQ(read.GetName(), "two lines !");
    EXPECT_EQ(read.IsIgnored(), 0);
}

}  // namespace
