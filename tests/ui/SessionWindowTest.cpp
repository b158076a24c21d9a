// The main dialog at the end of the Windows session, and the address that Visit
// Server Website hands to the browser: the real dialog in this process.
#include "MonitorWindowTest.h"

#include <algorithm>
#include <filesystem>

#include "BrowserLog.h"

// The session's end reaches the core's last write only when the session really
// ends; that it is the last write of the run is the core's (CoreRunStateTest.cpp).
TEST_F(MonitorWindow, TheSessionsEndWritesTheRunWhenItEnds)
{
    ServeMasterList(Lines({28300}));
    RunAfterFirstPoll([&](CMonitorDlg& dlg) {
        // Another program refused the end of the session: this run goes on.
        dlg.SendMessage(WM_ENDSESSION, FALSE, 0);
        EXPECT_FALSE(std::filesystem::exists("serverlist.txt"));
        EXPECT_EQ(StoredSetting("NumQueryThreads"), "(absent)");

        dlg.SendMessage(WM_ENDSESSION, TRUE, 0);
        EXPECT_EQ(ReadText("serverlist.txt"), Record(28300, "Alpha Base", 0, 0));
        EXPECT_EQ(StoredSetting("NumQueryThreads"), "5");
        EXPECT_EQ(StoredSetting("ServerListMode"), "5");
        std::filesystem::remove("serverlist.txt");
    });
    EXPECT_FALSE(std::filesystem::exists("serverlist.txt")) << "the close wrote the run again";
}

TEST_F(MonitorWindow, VisitServerWebsiteHandsTheBrowserExactlyOneSafeAddress)
{
    BrowserLog browser;
    // The server sends: evil.example/" --new-window "file:///c:/windows; 28300 names no page.
    ServeMasterList(Lines({28388, 28300}));
    RunAfterFirstPoll([&](CMonitorDlg& dlg) {
        for (int nRow : {0, 1}) {
            SelectListRow(dlg.m_listServers, nRow);
            ClickButton(dlg.GetSafeHwnd(), IDC_VISIT_WEBSITE);
        }
        EXPECT_EQ(dlg.Core().Servers().GetAt(0)->GetWebsite(), "http://evil.example/\" --new-window \"file:///c:/windows");
    });
    // One argument a click arrives at once; a third would follow them within the wait.
    // A server without a page opens the none.html page of the web server in use.
    std::vector<std::string> expected = {"http://evil.example/%22%20--new-window%20%22file:///c:/windows",
                                         WebBase() + "none.html"};
    std::vector<std::string> opened = browser.WaitFor(3, 3000);
    std::sort(expected.begin(), expected.end());
    std::sort(opened.begin(), opened.end());
    EXPECT_EQ(opened, expected);
}
