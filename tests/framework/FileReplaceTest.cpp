// Both programs' saves through the framework's file replace: the new file's data
// is on disk before it takes the old file's name.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ParamFile.h"
#include "TestPaths.h"
#include "framework/FileReplace.h"
#include "ui/core/ServerCollection.h"

namespace fs = std::filesystem;

namespace {

struct Step {
    ReplaceStep step;
    std::string path;
    std::string content; // the temporary file's at DataOnDisk, the destination's at the move
};

std::vector<Step> g_steps;

void Record(ReplaceStep step, const char* pszPath)
{
    g_steps.push_back({step, pszPath, ReadFile(pszPath)});
}

class FileReplace : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_steps.clear();
        SetReplaceStepHook(Record);
    }
    void TearDown() override { SetReplaceStepHook(nullptr); }

    // The steps of one save that replaced path's old content: the data went to
    // disk whole beside it while the old file still stood, then took its place.
    static void ExpectDurableReplace(const std::string& path, const std::string& old)
    {
        const std::string saved = ReadFile(path);
        ASSERT_EQ(g_steps.size(), 2u) << path;
        EXPECT_EQ(g_steps[0].step, ReplaceStep::DataOnDisk);
        EXPECT_EQ(g_steps[0].path, path + ".tmp");
        EXPECT_EQ(g_steps[0].content, saved);
        EXPECT_EQ(g_steps[1].step, ReplaceStep::MovedIntoPlace);
        EXPECT_EQ(g_steps[1].path, path);
        EXPECT_NE(saved, old);
        EXPECT_FALSE(fs::exists(path + ".tmp"));
    }
};

CServerCollection* OneServer(CServerCollection& servers)
{
    CGameServer* pServer = servers.Add(new CGameServer("127.0.0.1:27911"), FALSE);
    pServer->SetFavorite(1);
    return &servers;
}

TEST_F(FileReplace, BothProgramsPutTheirDataOnDiskBeforeItTakesTheName)
{
    ScratchDir dir("replace-durable");
    WriteFile(kParamFileName, "+set game old");
    ASSERT_TRUE(WriteParamFile(kParamFileName, "+set game kelvane\n+map q2dm1"));
    ExpectDurableReplace(kParamFileName, "+set game old");

    g_steps.clear();
    WriteFile("serverlist.txt", "old list\n");
    CServerCollection servers;
    ASSERT_TRUE(OneServer(servers)->Save("serverlist.txt"));
    ExpectDurableReplace("serverlist.txt", "old list\n");
    servers.DeleteAll();
}

TEST_F(FileReplace, DataThatCannotReachTheDiskFailsTheSaveAndKeepsTheOldFile)
{
    // The system cannot sync /dev/null: writing and closing succeed, the flush fails.
    if (!fs::exists("/dev/null"))
        GTEST_SKIP() << "needs /dev/null";
    ScratchDir dir("replace-no-disk");
    for (const char* name : {kParamFileName, "serverlist.txt"}) {
        WriteFile(name, "old");
        fs::create_symlink("/dev/null", std::string(name) + ".tmp");
    }
    EXPECT_FALSE(WriteParamFile(kParamFileName, "+set game kelvane"));

    CServerCollection servers;
    CString reason;
    EXPECT_FALSE(SaveServerFile("serverlist.txt", OneServer(servers)->Snapshot(), &reason));
    EXPECT_EQ(reason, "Invalid argument");
    servers.DeleteAll();

    EXPECT_TRUE(g_steps.empty());
    for (const char* name : {kParamFileName, "serverlist.txt"}) {
        EXPECT_EQ(ReadFile(name), "old") << name;
        EXPECT_FALSE(fs::exists(fs::symlink_status(std::string(name) + ".tmp"))) << name;
    }
}

} // namespace
