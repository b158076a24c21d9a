// The record's text forms beyond the basic cases: address texts, player lines and
// the five lines of serverlist.txt at their edges.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "TestPaths.h"
#include "query/GameServer.h"

namespace {

TEST(RecordAddress, OnlyTheFirstColonSplitsAndOnlyAZeroPortIsReplaced)
{
    const std::pair<const char*, const char*> cases[] = {
        {"h:27911:x", "h:27911:x"},
        {"h::27911", "h:27910"},   // the port text ":27911" reads as 0
        {"h:-5", "h:-5"},          // not 0: kept as written
        {"h: 27911", "h: 27911"},  // white space before the digits is allowed
        {"h:+0", "h:27910"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CGameServer(c.first).GetAddress(), c.second) << c.first;
}

TEST(RecordPlayerLine, NumbersScanAsPrintfDecimalsAndNamesKeepUpTo128Characters)
{
    const struct { std::string line; int score; DWORD ping; std::string name; } cases[] = {
        {"+5 +7 \"a\"", 5, 7, "a"},
        {"\t-2\t9\t\"tab\"", -2, 9, "tab"},
        {"3 -1 \"wraps\"", 3, 4294967295u, "wraps"},  // an unsigned scan negates
        {"1 2 \"" + std::string(127, 'n') + "\"", 1, 2, std::string(127, 'n')},
        {"1 2 \"" + std::string(128, 'n') + "\"", 1, 2, std::string(128, 'n')},
        {"1 2 \"" + std::string(129, 'n') + "\"", 1, 2, std::string(128, 'n')},
        {"- 2 \"x\"", 0, 0, ""},
    };
    for (const auto& c : cases) {
        CPlayerInfo player{CString(c.line.c_str())};
        EXPECT_EQ(player.GetScore(), c.score) << c.line;
        EXPECT_EQ(player.GetPing(), c.ping) << c.line;
        EXPECT_EQ(player.GetName(), c.name.c_str()) << c.line;
    }
}

class RecordFileLines : public ::testing::Test {
protected:
    ScratchDir m_dir{"record_file_lines"};
    std::string m_path = m_dir.File("serverlist.txt");

    bool Read(const std::string& text, CGameServer& server)
    {
        WriteFile(m_path, text);
        FILE* file = fopen(m_path.c_str(), "r");
        bool ok = server.ReadFromFile(file);
        fclose(file);
        return ok;
    }
};

TEST_F(RecordFileLines, MarksAreOneForAnyNonZeroLeadingNumber)
{
    const std::pair<const char*, BYTE> cases[] = {
        {"1", 1}, {"2", 1}, {"-1", 1}, {" 1 ", 1}, {"+1", 1},
        {"0", 0}, {"", 0}, {"yes", 0}, {"0x1", 0}, {"-0", 0},
    };
    for (const auto& c : cases) {
        CGameServer server;
        ASSERT_TRUE(Read(std::string("a:1\nn\nw\n") + c.first + "\n" + c.first + "\n", server)) << c.first;
        EXPECT_EQ(server.IsFavorite(), c.second) << c.first;
        EXPECT_EQ(server.IsIgnored(), c.second) << c.first;
    }
}

TEST_F(RecordFileLines, ARecordIsOnlyReadWithAllFiveLines)
{
    const char* lines[] = {"a:1\n", "name\n", "http://w\n", "1\n", "1"};
    std::string text;
    for (int n = 0; n < 5; ++n) {
        CGameServer server;
        EXPECT_FALSE(Read(text, server)) << n << " lines";
        text += lines[n];
    }
    CGameServer server;
    EXPECT_TRUE(Read(text, server)) << "the last line needs no line end";
    EXPECT_EQ(server.IsIgnored(), 1);
}

TEST_F(RecordFileLines, AZeroByteInALineDoesNotShiftTheNextFields)
{
    const char text[] = "a:1\nna\0me\nhttp://w\n0\n1\n";
    CGameServer server;
    ASSERT_TRUE(Read(std::string(text, sizeof text - 1), server));
    EXPECT_EQ(server.GetName(), "na");
    EXPECT_EQ(server.GetWebsite(), "http://w");
    EXPECT_EQ(server.IsFavorite(), 0);
    EXPECT_EQ(server.IsIgnored(), 1);
}

TEST_F(RecordFileLines, AFailedWriteOfAnyLineIsReported)
{
    // Where the device cannot be had, or a formatted write to it does not report the
    // failure (Wine's runtime counts the characters it was given), there is nothing to test.
    FILE* probe = fopen("/dev/full", "w");
    if (probe)
        setvbuf(probe, nullptr, _IONBF, 0);
    const bool bReports = probe && fprintf(probe, "x\n") < 0;
    if (probe)
        fclose(probe);
    if (!bReports)
        GTEST_SKIP() << "no full device here";

    // Behind a 256-byte buffer, the line that overflows it fails; the failed flush
    // empties the buffer, so the lines after it are taken again.
    const std::string x300(300, 'x');
    const struct { const char* failing; size_t buffer; std::string address, name, website; } cases[] = {
        {"every line, unbuffered", 0, "a:1", "n", "w"},
        {"address", 256, x300 + ":1", "n", "w"},
        {"name", 256, "a:1", x300, "w"},
        {"web page", 256, "a:1", "n", x300},
        {"favourite mark", 256, "a:1", std::string(248, 'n'), "w"},
        {"ignored mark", 256, "a:1", std::string(246, 'n'), "w"},
    };
    for (const auto& c : cases) {
        CGameServer server;
        ASSERT_TRUE(Read(c.address + "\n" + c.name + "\n" + c.website + "\n0\n1\n", server)) << c.failing;
        std::vector<char> buffer(c.buffer);
        FILE* full = fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        setvbuf(full, c.buffer ? buffer.data() : nullptr, c.buffer ? _IOFBF : _IONBF, c.buffer);
        EXPECT_FALSE(server.WriteToFile(full)) << c.failing;
        fclose(full);
    }
}

}  // namespace
