// Start-up and shut-down of the real main dialog: the controls that show the
// stored settings, Enter, closing during a poll, the ping images. What the
// settings and the server list mean to a run is tested natively (CoreRunStateTest.cpp).
#include "MonitorWindowTest.h"

#include <algorithm>
#include <chrono>

namespace {
BOOL Checked(CMonitorDlg& dlg, int nID) { return IsDlgButtonChecked(dlg.GetSafeHwnd(), nID) == BST_CHECKED; }
} // namespace

// The budget buttons show 1 and 3 as themselves and every other budget as 7; the
// list mode button names the view after the stored one.
TEST_F(MonitorWindow, StoredSettingsChooseTheBudgetButtonAndTheListModeCaption)
{
    const struct {
        const char *threads, *mode;
        int checked;
        const char* button;
    } cases[] = {
        {nullptr, nullptr, IDC_THREADS7, "Show Active Servers"},
        {"3", "1", IDC_THREADS3, "Show Favorites Only"},
        {"1", "3", IDC_THREADS1, "Show ALL Servers"},
        {"2", "7", IDC_THREADS7, "Show Active Servers"},
    };
    for (const auto& c : cases) {
        Setting("NumQueryThreads", c.threads);
        Setting("ServerListMode", c.mode);
        RunAfterFirstPoll([&c](CMonitorDlg& dlg) {
            for (int nID : {IDC_THREADS1, IDC_THREADS3, IDC_THREADS7})
                EXPECT_EQ(Checked(dlg, nID), nID == c.checked) << (c.threads ? c.threads : "none") << ": " << nID;
            EXPECT_EQ(WindowText(dlg.m_btnListMode), c.button);
        });
    }
}

TEST_F(MonitorWindow, EnterDoesNotCloseTheWindowPastTheShutDown)
{
    ServeMasterList(Lines({28300}));
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        SendCommand(dlg.GetSafeHwnd(), IDOK);
        PumpMessagesFor(50);
        EXPECT_TRUE(::IsWindow(dlg.GetSafeHwnd()));
    });
    EXPECT_EQ(StoredSetting("ServerListMode"), "5");
    EXPECT_EQ(ReadText("serverlist.txt"), Record(28300, "Alpha Base", 0, 0));
}

// Cancel during a poll: the run is written, the window goes once the running
// queries have ended, and their notices find nothing to act on.
TEST_F(MonitorWindow, ClosingDuringAPollWaitsForItsQueriesAndSavesEverything)
{
    ServeMasterList(Lines({28340, 28341, 28342, 28343, 28344, 28345, 28346, 28347, 28348, 28349}));
    Setting("NumQueryThreads", "7");
    CMonitorDlg dlg;
    double closedAfterMs = 0;
    RunAndClose(dlg, [&] {
        EXPECT_TRUE(dlg.Core().IsPolling());
        auto start = std::chrono::steady_clock::now();
        SendCommand(dlg.GetSafeHwnd(), IDCANCEL);
        closedAfterMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        PumpMessagesFor(100);
    });
    EXPECT_LT(closedAfterMs, 2000);
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "7");
    const std::string list = ReadText("serverlist.txt");
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 10 * 5);
}

TEST_F(MonitorWindow, ThePingImagesOutliveTheWindowForTheDialogToFree)
{
    CMonitorDlg dlg;
    RunAndClose(dlg, [&] {
        EXPECT_EQ(dlg.m_listServers.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL, 0),
                  reinterpret_cast<LRESULT>(dlg.m_pImageList->GetSafeHandle()));
    });
    // The list view must not have destroyed what the dialog owns and frees.
    EXPECT_EQ(ImageList_GetImageCount(dlg.m_pImageList->GetSafeHandle()), 5) << "four ping images and the lock";
}
