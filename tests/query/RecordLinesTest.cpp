// The five lines of a record in serverlist.txt, through a real text file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "TestPaths.h"
#include "TestReplies.h"
#include "query/GameServer.h"

namespace {

class RecordLines : public ::testing::Test {
protected:
    ScratchDir m_dir{"record_lines"};
    std::string m_path = m_dir.File("serverlist.txt");

    // Reads the record from the file as it stands.
    bool ReadFrom(CGameServer& server)
    {
        FILE* file = fopen(m_path.c_str(), "r");
        bool ok = server.ReadFromFile(file);
        fclose(file);
        return ok;
    }
    bool Read(const std::string& text, CGameServer& server)
    {
        WriteFile(m_path, text);
        return ReadFrom(server);
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
    ASSERT_TRUE(ReadFrom(read));
    EXPECT_EQ(read.GetAddress(), "192.168.1.5:27911");
    EXPECT_EQ(read.GetName(), "  My Server");
    EXPECT_EQ(read.GetWebsite(), "http://www.x.example");
    EXPECT_EQ(read.IsFavorite(), 1);
    EXPECT_EQ(read.IsIgnored(), 0);
}

TEST_F(RecordLines, MarksAreOneForAnyNonZeroLeadingNumber)
{
    const std::pair<const char*, BYTE> cases[] = {
        {"1", 1}, {"2", 1}, {"-1", 1}, {" 1 ", 1}, {"+1", 1},
        {"0", 0}, {"", 0}, {"yes", 0}, {"0x1", 0}, {"-0", 0},
    };
    for (const auto& c : cases) {
        CGameServer server;
        // CR LF ends a line as LF does.
        ASSERT_TRUE(Read(std::string("a:1\r\nn\r\n\r\n") + c.first + "\r\n" + c.first + "\r\n", server)) << c.first;
        EXPECT_EQ(server.GetAddress(), "a:1");
        EXPECT_EQ(server.GetWebsite(), "");
        EXPECT_EQ(server.IsFavorite(), c.second) << c.first;
        EXPECT_EQ(server.IsIgnored(), c.second) << c.first;
    }
}

TEST_F(RecordLines, ARecordIsOnlyReadWithAllFiveLines)
{
    const char* lines[] = {"a:1\n", "name\n", "http://w\n", "1\n", "1"};
    std::string text;
    for (int n = 0; n < 5; ++n) {
        CGameServer server;
        EXPECT_FALSE(Read(text, server)) << n << " lines";
        if (n == 3) {
            EXPECT_EQ(server.GetAddress(), "a:1"); // what was read stays
        }
        text += lines[n];
    }
    CGameServer server;
    EXPECT_TRUE(Read(text, server)) << "the last line needs no line end";
    EXPECT_EQ(server.IsIgnored(), 1);
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
    ASSERT_TRUE(ReadFrom(read));
    EXPECT_EQ(read.GetName(), "two lines !");
    EXPECT_EQ(read.IsIgnored(), 0);
}

TEST_F(RecordLines, AZeroByteInALineDoesNotShiftTheNextFields)
{
    const char text[] = "a:1\nna\0me\nhttp://w\n0\n1\n";
    CGameServer server;
    ASSERT_TRUE(Read(std::string(text, sizeof text - 1), server));
    EXPECT_EQ(server.GetName(), "na");
    EXPECT_EQ(server.GetWebsite(), "http://w");
    EXPECT_EQ(server.IsFavorite(), 0);
    EXPECT_EQ(server.IsIgnored(), 1);
}

TEST_F(RecordLines, AFailedWriteOfAnyLineIsReported)
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
