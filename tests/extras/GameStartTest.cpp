// Join Server's host lookup and game start under Wine, with a fake quake2.exe.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestPaths.h"
#include "extras/GameStart.h"
#include "FakeGame.h"

namespace fs = std::filesystem;

class GameStartTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WSADATA wsa;
        ASSERT_EQ(WSAStartup(MAKEWORD(1, 1), &wsa), 0);
    }
    static void TearDownTestSuite() { WSACleanup(); }
};

TEST_F(GameStartTest, ResolvesDottedAndNamedHostsKeepingThePortAsWritten)
{
    CString connect;
    ASSERT_TRUE(ResolveConnectAddress("10.0.0.1:27910", connect));
    EXPECT_EQ(connect, "10.0.0.1:27910");
    ASSERT_TRUE(ResolveConnectAddress("localhost:27911", connect));
    EXPECT_EQ(connect, "127.0.0.1:27911");
    ASSERT_TRUE(ResolveConnectAddress("127.0.0.1", connect));
    EXPECT_EQ(connect, "127.0.0.1:27910");
}

TEST_F(GameStartTest, UnresolvableOrEmptyHostGivesNoAddress)
{
    CString connect = "unchanged";
    EXPECT_FALSE(ResolveConnectAddress("no-such-host.invalid:27910", connect));
    EXPECT_FALSE(ResolveConnectAddress(":27910", connect));
    EXPECT_EQ(connect, "unchanged");
}

TEST_F(GameStartTest, StartsInTheGameFolderAndRestoresOurs)
{
    ScratchDir scratch("game_start");
    FakeGame game(scratch, "Quake2");
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);

    EXPECT_GT(StartGame(game.ExePath(), "127.0.0.1:27910"), 31u);

    char after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);
    auto runs = game.WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].commandLine,
              game.ExePath() + " +set game kelvane +demomap kelvaneintro.cin +connect 127.0.0.1:27910");
    EXPECT_EQ(runs[0].directory + "\\", game.Folder());
}

TEST_F(GameStartTest, PathWithSpacesIsQuotedSoTheRightProgramStarts)
{
    ScratchDir scratch("game_start_spaces");
    FakeGame game(scratch, "Quake II");
    EXPECT_GT(StartGame(game.ExePath(), "10.0.0.1:27912"), 31u);
    auto runs = game.WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].commandLine,
              "\"" + game.ExePath() + "\" +set game kelvane +demomap kelvaneintro.cin +connect 10.0.0.1:27912");
    EXPECT_EQ(runs[0].directory + "\\", game.Folder());
}

TEST_F(GameStartTest, PathWithoutBackslashStartsInTheCurrentFolder)
{
    ScratchDir scratch("game_start_relative");
    FakeGame game(scratch, "");
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    EXPECT_GT(StartGame("quake2.exe", "10.0.0.1:27910"), 31u);
    auto runs = game.WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(fs::path(runs[0].directory), fs::path(before));
}
