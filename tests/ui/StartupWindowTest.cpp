// Start-up, settings, the server list file and shut-down of the real main dialog.
#include "MonitorWindowTest.h"

#include <chrono>
#include <sstream>

#include "ui/core/Settings.h"

namespace {
// The record lines that a server with these fields takes in serverlist.txt.
std::string FileRecord(int nPort, const char* pszName, int nFavorite, int nIgnored)
{
    return "127.0.0.1:" + std::to_string(nPort) + "\n" + pszName + "\nhttp://x.example/\n" +
           std::to_string(nFavorite) + "\n" + std::to_string(nIgnored) + "\n";
}

std::vector<std::string> FileAddresses(const std::string& strText)
{
    std::vector<std::string> addresses;
    std::istringstream in(strText);
    std::string line;
    for (int i = 0; std::getline(in, line); ++i) {
        if (i % 5 == 0)
            addresses.push_back(line);
    }
    return addresses;
}

BOOL Checked(CMonitorDlg& dlg, int nID) { return IsDlgButtonChecked(dlg.GetSafeHwnd(), nID) == BST_CHECKED; }
} // namespace

TEST_F(MonitorWindow, FirstRunUsesTheDefaultsPollsEveryServerAndWritesItAllBack)
{
    ServeMasterList(Lines({28300, 28301, 28302, 28303, 28304, 28305}));
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(dlg.Core().GetThreadBudget(), 5);
        EXPECT_TRUE(Checked(dlg, IDC_THREADS7));
        EXPECT_FALSE(Checked(dlg, IDC_THREADS1) || Checked(dlg, IDC_THREADS3));
        EXPECT_EQ(WindowText(dlg.m_btnListMode), "Show Active Servers");
        EXPECT_EQ(dlg.m_listServers.GetItemCount(), 6);
        EXPECT_EQ(WindowText(dlg.GetDlgItem(IDC_STATUS)->GetSafeHwnd()), "Ready");
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (4 Servers, 4 Players Online) Now showing all servers.");
        EXPECT_FALSE(IsWindowVisible(dlg.m_progress.GetSafeHwnd()));
    });
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "5");
    EXPECT_EQ(StoredSetting("ServerListMode"), "5");
    EXPECT_EQ(FileAddresses(ReadText("serverlist.txt")),
              (std::vector<std::string>{Address(28300), Address(28301), Address(28302), Address(28303),
                                        Address(28304), Address(28305)}));
}

TEST_F(MonitorWindow, StoredSettingsChooseTheBudgetButtonAndTheView)
{
    ServeMasterList(Lines({28300, 28303}));
    Setting("NumQueryThreads", "3");
    Setting("ServerListMode", "1");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_TRUE(Checked(dlg, IDC_THREADS3));
        EXPECT_EQ(WindowText(dlg.m_btnListMode), "Show Favorites Only");
        // The active view: the silent server has no row.
        EXPECT_EQ(ColumnTexts(dlg.m_listServers, 5), std::vector<std::string>{Address(28300)});
        ClickButton(dlg.GetSafeHwnd(), IDC_THREADS1);
    });
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "1");
    EXPECT_EQ(StoredSetting("ServerListMode"), "1");
}

TEST_F(MonitorWindow, OddSettingsFallBackAndUnclickedBudgetsAreKept)
{
    Setting("NumQueryThreads", "2");
    Setting("ServerListMode", "7");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(dlg.Core().GetThreadBudget(), 2);
        EXPECT_TRUE(Checked(dlg, IDC_THREADS7));
        EXPECT_EQ(dlg.Core().GetListMode(), 5);
    });
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "2");
    EXPECT_EQ(StoredSetting("ServerListMode"), "5");

    // Text or 0 would start polls that never end: the default budget instead.
    Setting("NumQueryThreads", "none");
    RunAfterFirstPoll([](CMonitorDlg& dlg) { EXPECT_EQ(dlg.Core().GetThreadBudget(), 5); });
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "5");

    // A budget far beyond the collection starts each server once, at once, and
    // costs the start-up nothing.
    ServeMasterList(Lines({28300, 28301}));
    Setting("NumQueryThreads", "99999999999");
    auto start = std::chrono::steady_clock::now();
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(dlg.m_listServers.GetItemCount(), 2);
        EXPECT_EQ(WindowText(dlg.GetDlgItem(IDC_STATUS)->GetSafeHwnd()), "Ready");
    }, 5000);
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(ms, 1500) << "the start-up spun through the budget";
}

TEST_F(MonitorWindow, TheServerListFileMergesIntoTheMasterList)
{
    ServeMasterList(Lines({28300, 28301, 28305}));
    int nBefore = RequestsPerPort()[28301];
    WriteFile("serverlist.txt", FileRecord(28301, "Ignored", 0, 1) + FileRecord(28303, "Stored Fav", 1, 0) +
                                    FileRecord(28399, "Forgotten", 0, 0) + FileRecord(28305, "Twice", 1, 0) +
                                    FileRecord(28305, "Twice", 0, 0) + "127.0.0.1:28398\nCut short\n");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(ColumnTexts(dlg.m_listServers, 5).size(), 4u);
        // The stored favourite never answers: it keeps the name from the file.
        int nRow = -1;
        for (int i = 0; i < dlg.m_listServers.GetItemCount(); ++i) {
            if (dlg.m_listServers.GetItemText(i, 5) == Address(28303).c_str())
                nRow = i;
        }
        ASSERT_GE(nRow, 0);
        EXPECT_STREQ(dlg.m_listServers.GetItemText(nRow, 0), "Stored Fav");
        EXPECT_EQ(ListItemImage(dlg.m_listServers, nRow), 3);
    });
    EXPECT_EQ(RequestsPerPort()[28301], nBefore) << "an ignored server is not queried";
    std::string text = ReadText("serverlist.txt");
    EXPECT_EQ(FileAddresses(text), (std::vector<std::string>{Address(28300), Address(28301), Address(28305),
                                                             Address(28303)}));
    // Marks: 28301 ignored (never queried, so still nameless), 28305 as its second
    // line said, 28303 a favourite with the name and page from the file.
    EXPECT_NE(text.find(Address(28301) + "\n\n\n0\n1\n"), std::string::npos) << text;
    EXPECT_NE(text.find(Address(28305) + "\n2 Base\n\n0\n0\n"), std::string::npos) << text;
    EXPECT_NE(text.find(Address(28303) + "\nStored Fav\nhttp://x.example/\n1\n0\n"), std::string::npos) << text;
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
    EXPECT_EQ(FileAddresses(ReadText("serverlist.txt")), std::vector<std::string>{Address(28300)});
}

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
        // Notices posted meanwhile must find nothing to act on.
        PumpMessagesFor(100);
    });
    EXPECT_LT(closedAfterMs, 2000);
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "7");
    EXPECT_EQ(FileAddresses(ReadText("serverlist.txt")).size(), 10u);
}

TEST_F(MonitorWindow, ThePingImagesOutliveTheWindowForTheDialogToFree)
{
    CMonitorDlg dlg;
    RunAndClose(dlg, [&] {
        EXPECT_EQ(dlg.m_listServers.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL, 0),
                  reinterpret_cast<LRESULT>(dlg.m_pImageList->GetSafeHandle()));
    });
    // The list view must not have destroyed what the dialog owns and frees.
    EXPECT_EQ(ImageList_GetImageCount(dlg.m_pImageList->GetSafeHandle()), 4);
}
