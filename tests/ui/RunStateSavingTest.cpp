// When the user's changes reach the disk during a run, and what a save writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "FakeServers.h"
#include "PostedMessages.h"
#include "TestPaths.h"
#include "ui/core/RunStateSaver.h"
#include "ui/core/SaveSchedule.h"

namespace {

// The times writes start when changes come at the given times, the dialog's way:
// it asks DueIn after each change and after each write, and a write lasts writeMs.
std::vector<DWORD> WriteTimes(DWORD dwStart, const std::vector<DWORD>& changes, DWORD writeMs)
{
    CSaveSchedule schedule;
    std::vector<DWORD> writes;
    size_t nNext = 0;
    DWORD dwWriteEnds = 0;
    for (DWORD t = dwStart; t != dwStart + 10000; ++t) {
        if (schedule.IsWriting() && t == dwWriteEnds)
            schedule.WriteEnded();
        while (nNext < changes.size() && changes[nNext] == t - dwStart) {
            schedule.Changed(t);
            ++nNext;
        }
        if (schedule.DueIn(t) == 0) {
            schedule.WriteStarted();
            writes.push_back(t - dwStart);
            dwWriteEnds = t + writeMs;
        }
    }
    return writes;
}

} // namespace

TEST(SaveSchedule, ABurstIsOneWriteAndNoChangeWaitsMuchOverASecond)
{
    using Times = std::vector<DWORD>;
    const struct {
        const char* what;
        Times changes;
        DWORD writeMs;
        Times writes;
    } cases[] = {
        {"nothing changed", {}, 1, {}},
        {"one right click", {0}, 1, {250}},
        {"ten clicks 50 ms apart", {0, 50, 100, 150, 200, 250, 300, 350, 400, 450}, 1, {700}},
        {"clicks that never pause", {0, 200, 400, 600, 800, 1000, 1200}, 1, {1000, 1450}},
        {"two clicks apart", {0, 2000}, 1, {250, 2250}},
        {"a change during a long write waits for its end", {0, 300}, 600, {250, 850}},
        {"a change during a write that ends late is written at once", {0, 260}, 2000, {250, 2250}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WriteTimes(0, c.changes, c.writeMs), c.writes) << c.what;
        // The tick count wraps after 49.7 days: nothing may change across the wrap.
        EXPECT_EQ(WriteTimes(0xFFFFFF00, c.changes, c.writeMs), c.writes) << c.what << ", across the wrap";
    }
}

namespace {

CRunState State(int nThreads, int nMode, const char* pszAddress, BYTE bFavorite)
{
    CRunState state{{{"NumQueryThreads", std::to_string(nThreads)}, {"ServerListMode", std::to_string(nMode)}},
                    {CServerFileRecord()}, std::nullopt, std::nullopt};
    state.records[0].m_strAddress = pszAddress;
    state.records[0].m_bFavorite = bFavorite;
    return state;
}

std::string Lines(const char* pszAddress, int nFavorite)
{
    return std::string(pszAddress) + "\n\n\n" + std::to_string(nFavorite) + "\n0\n";
}

// The settings file as the saver's writer finds it: every value stored, or, while
// it is locked, none.
struct Settings {
    bool bLocked = false;
    std::vector<std::string> written; // "key=value", in the order written
    CRunStateSaver::SettingWriter Writer()
    {
        return [this](const CString& strKey, const CString& strValue, CString& strReason) {
            if (bLocked) {
                strReason = "Access denied";
                return FALSE;
            }
            written.push_back(strKey.str() + "=" + strValue.str());
            return TRUE;
        };
    }
};

} // namespace

TEST(RunStateSaver, WritesOnlyWhatChangedAndTellsAFailureOnceUntilASaveSucceeds)
{
    ScratchDir dir("ui_run_state_saver");
    // The list's folder comes and goes: without it, its file cannot be made.
    const std::string path = dir.File("list") + "/serverlist.txt";
    Settings settings;
    CRunStateSaver saver({path.c_str(), "", "", "C:\\windows\\varnok.INI"}, settings.Writer());

    saver.SaveNow(State(5, 5, "10.0.0.1:27910", 1));
    std::vector<CString> told = saver.TakeFailuresToReport();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].Find("Your favourite and ignored servers could not be saved to serverlist.txt ("), 0);
    EXPECT_STREQ(ServerListSaveFailedMessage("Disk full"),
                 "Your favourite and ignored servers could not be saved to serverlist.txt (Disk full).");
    saver.SaveNow(State(5, 5, "10.0.0.1:27910", 1));
    EXPECT_TRUE(saver.TakeFailuresToReport().empty()) << "told twice";
    EXPECT_EQ(settings.written, (std::vector<std::string>{"NumQueryThreads=5", "ServerListMode=5"}))
        << "settings written again for nothing";

    // The failed save did not count as written: the same state is tried again.
    std::filesystem::create_directory(dir.File("list"));
    saver.SaveNow(State(5, 5, "10.0.0.1:27910", 1));
    EXPECT_EQ(ReadText(path), Lines("10.0.0.1:27910", 1));
    // Nothing changed: the list is not written (it would come back).
    std::filesystem::remove(path);
    saver.SaveNow(State(5, 5, "10.0.0.1:27910", 1));
    EXPECT_FALSE(std::filesystem::exists(path));
    // A setting alone changed: only that setting.
    saver.SaveNow(State(1, 5, "10.0.0.1:27910", 1));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(settings.written.back(), "NumQueryThreads=1");
    EXPECT_EQ(settings.written.size(), 3u);

    // Handed over to the saver's thread: written there, with a notice; the final
    // write waits for it, so the later state is what stays.
    ReceivePostedMessagesHere();
    saver.SaveSoon(State(1, 5, "10.0.0.1:27910", 0));
    saver.SaveNow(State(1, 3, "10.0.0.2:27910", 1));
    EXPECT_EQ(ReadText(path), Lines("10.0.0.2:27910", 1));
    EXPECT_EQ(settings.written.back(), "ServerListMode=3");
    TestMessage msg = {};
    ASSERT_TRUE(WaitPostedMessage(msg, 5000));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_RUNSTATESAVED));
    EXPECT_TRUE(saver.TakeFailuresToReport().empty());

    // After a success, the next failure is told again.
    std::filesystem::remove_all(dir.File("list"));
    saver.SaveNow(State(1, 3, "10.0.0.3:27910", 1));
    EXPECT_EQ(saver.TakeFailuresToReport().size(), 1u);
}

// A settings file that cannot be written (locked by another program) loses
// nothing: the setting is not counted as written, it is tried again with the next
// save and the final one, and the user hears of it once, with the file's path.
TEST(RunStateSaver, AFailedSettingsWriteIsRetriedAndToldOnce)
{
    ScratchDir dir("ui_run_state_settings");
    Settings settings;
    CRunStateSaver saver({dir.File("serverlist.txt").c_str(), "", "", "C:\\windows\\varnok.INI"}, settings.Writer());
    settings.bLocked = true;
    saver.SaveNow(State(3, 1, "10.0.0.1:27910", 0));
    EXPECT_EQ(saver.TakeFailuresToReport(),
              std::vector<CString>{"Your settings could not be saved to C:\\windows\\varnok.INI (Access denied)."});
    saver.SaveNow(State(3, 1, "10.0.0.1:27910", 0));
    EXPECT_TRUE(saver.TakeFailuresToReport().empty()) << "told twice";
    settings.bLocked = false;
    saver.SaveNow(State(3, 1, "10.0.0.1:27910", 0));
    EXPECT_EQ(settings.written, (std::vector<std::string>{"NumQueryThreads=3", "ServerListMode=1"}));
    EXPECT_TRUE(saver.TakeFailuresToReport().empty());
    // Once written, a new failure is a new one to tell.
    settings.bLocked = true;
    saver.SaveNow(State(7, 1, "10.0.0.1:27910", 0));
    EXPECT_EQ(saver.TakeFailuresToReport().size(), 1u);
}
