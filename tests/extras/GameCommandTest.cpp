#include <gtest/gtest.h>

#include "extras/GameCommand.h"

TEST(GameCommand, DottedAddressGivesTheExactCommandLineAndFolder)
{
    const BYTE ip[4] = {10, 0, 0, 1};
    CString connect = FormatConnectAddress(ip, "10.0.0.1:27910");
    EXPECT_EQ(connect, "10.0.0.1:27910");
    EXPECT_EQ(BuildGameCommandLine("C:\\Quake2\\quake2.exe", connect),
              "C:\\Quake2\\quake2.exe +set game kelvane +demomap kelvaneintro.cin +connect 10.0.0.1:27910");
    EXPECT_EQ(GameDirectory("C:\\Quake2\\quake2.exe"), "C:\\Quake2\\");
}

TEST(GameCommand, HostNameIsReplacedByTheResolvedBytesAndThePortKeptAsWritten)
{
    const BYTE ip[4] = {192, 168, 200, 255};
    EXPECT_EQ(GameHostPart("q2.example.org:27911"), "q2.example.org");
    EXPECT_EQ(FormatConnectAddress(ip, "q2.example.org:27911"), "192.168.200.255:27911");
    // Only the first colon splits; the rest goes to the game unchanged.
    EXPECT_EQ(GamePortPart("host:27911:x"), ":27911:x");
    EXPECT_EQ(GameHostPart(":27910"), "");
}

TEST(GameCommand, AddressWithoutColonJoinsOnTheDefaultPort)
{
    const BYTE ip[4] = {127, 0, 0, 1};
    EXPECT_EQ(GameHostPart("localhost"), "localhost");
    EXPECT_EQ(FormatConnectAddress(ip, "localhost"), "127.0.0.1:27910");
}

TEST(GameCommand, PathWithBlanksIsQuotedAndOthersAreNot)
{
    EXPECT_EQ(BuildGameCommandLine("C:\\Program Files\\Quake II\\quake2.exe", "1.2.3.4:5"),
              "\"C:\\Program Files\\Quake II\\quake2.exe\" +set game kelvane +demomap kelvaneintro.cin +connect 1.2.3.4:5");
    EXPECT_EQ(BuildGameCommandLine("quake2.exe", "1.2.3.4:5"),
              "quake2.exe +set game kelvane +demomap kelvaneintro.cin +connect 1.2.3.4:5");
}

TEST(GameCommand, GameDirectoryEndsAtTheLastBackslash)
{
    EXPECT_EQ(GameDirectory("quake2.exe"), "");
    EXPECT_EQ(GameDirectory(""), "");
    EXPECT_EQ(GameDirectory("C:\\quake2.exe"), "C:\\");
    EXPECT_EQ(GameDirectory("\\\\srv\\games\\q2\\"), "\\\\srv\\games\\q2\\");
    // Forward slashes are not folder separators here.
    EXPECT_EQ(GameDirectory("C:\\a/b/quake2.exe"), "C:\\");
}
