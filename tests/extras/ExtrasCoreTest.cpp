#include <gtest/gtest.h>

#include <climits>

#include "extras/GameCommand.h"
#include "extras/TickerMotion.h"

TEST(GameCommand, ResolvedBytesReplaceTheHostAndThePortStaysAsWritten)
{
    const BYTE ip[4] = {192, 168, 200, 255};
    EXPECT_EQ(GameHostPart("q2.example.org:27911"), "q2.example.org");
    EXPECT_EQ(FormatConnectAddress(ip, "q2.example.org:27911"), "192.168.200.255:27911");
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911:x"), "192.168.200.255:27911:x"); // first colon only
    // No colon (a hand-edited serverlist.txt): the default port, not a bare address.
    EXPECT_EQ(GameHostPart("localhost"), "localhost");
    EXPECT_EQ(FormatConnectAddress(ip, "localhost"), "192.168.200.255:27910");
}

TEST(GameCommand, AServerListLineCannotAddGameCommands)
{
    const BYTE ip[4] = {10, 0, 0, 1};
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911 +exec evil.cfg"), "10.0.0.1:27911");
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911+quit"), "10.0.0.1:27911");
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911;bind x quit"), "10.0.0.1:27911");
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911\"\r\n"), "10.0.0.1:27911");
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911abc"), "10.0.0.1:27911abc"); // letters stay as written
}

TEST(GameCommand, CommandLineQuotesOnlyPathsWithBlanks)
{
    const char* tail = " +set game kelvane +demomap kelvaneintro.cin +connect 10.0.0.1:27910";
    EXPECT_EQ(BuildGameCommandLine("C:\\Quake2\\quake2.exe", "10.0.0.1:27910"), CString("C:\\Quake2\\quake2.exe") + tail);
    EXPECT_EQ(BuildGameCommandLine("C:\\Program Files\\Quake II\\quake2.exe", "10.0.0.1:27910"),
              CString("\"C:\\Program Files\\Quake II\\quake2.exe\"") + tail);
}

TEST(GameCommand, GameDirectoryEndsAtTheLastBackslash)
{
    EXPECT_EQ(GameDirectory("C:\\Quake2\\quake2.exe"), "C:\\Quake2\\");
    EXPECT_EQ(GameDirectory("quake2.exe"), "");
    EXPECT_EQ(GameDirectory("C:\\a/b/quake2.exe"), "C:\\");
}

TEST(TickerMotion, WrapIsStrictAndCopiesTileWithoutGap)
{
    EXPECT_EQ(TickerAdvance(300), 298);
    EXPECT_EQ(TickerWrap(-100, 100), -100);
    EXPECT_EQ(TickerWrap(-102, 100), 0);
    EXPECT_EQ(TickerWrap(INT_MIN, INT_MAX), 0);
    EXPECT_EQ(TickerCopyPositions(-30, 100, 250), std::vector<int>({-30, 70, 170}));
    EXPECT_EQ(TickerCopyPositions(-350, 400, 300), std::vector<int>({-350, 50})); // wider than the strip
    EXPECT_TRUE(TickerCopyPositions(300, 80, 300).empty());                      // right after Start
    EXPECT_TRUE(TickerCopyPositions(0, 0, 300).empty());                         // empty text: no endless loop
}
