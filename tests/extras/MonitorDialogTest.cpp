// The extras inside the real main dialog: the update check at start-up, the
// about box, the banners, the logo, Add A Server and the double-click join.
#include <gtest/gtest.h>

#include <algorithm>

#include "ExtrasTestSupport.h"
#include "MonitorWindowTest.h"
#include "extras/WebLinks.h"
#include "web/WebServer.h"

TEST_F(MonitorWindow, NewerBuildIsAnnouncedAtStartUp)
{
    ServeFile("build.txt", " 4\r\n");
    ModalWatcher announced(kAppName);
    RunAfterFirstPoll([](CMonitorDlg&) {});
    ASSERT_TRUE(announced.Wait());
    EXPECT_EQ(announced.MessageText(), "Kelvane Monitor build 4 is now available!");
}

TEST_F(MonitorWindow, UpdateCheckReadsTheNumberAndNeverAFailedFetch)
{
    struct Case {
        const char* body; // null: build.txt is missing (404)
        bool newer;
        int build;
        const char* status;
    };
    const Case cases[] = {
        {"3", false, 3, "Done checking for updates!"},
        {"4", true, 4, "Checking for updates..."},
        {" \t\r\n 7 \r\n\v\f", true, 7, "Checking for updates..."},
        {"12abc", true, 12, "Checking for updates..."},
        {"abc", false, 3, "Done checking for updates!"},
        {"-5", false, 3, "Done checking for updates!"},
        {"", false, 3, "Done checking for updates!"},
        {nullptr, false, 3, "Checking for updates..."},
    };
    UnserveFile("build.txt");
    RunAfterFirstPoll([&](CMonitorDlg& dlg) {
        for (const Case& c : cases) {
            if (c.body)
                ServeFile("build.txt", c.body);
            else
                UnserveFile("build.txt");
            int build = 3;
            EXPECT_EQ(dlg.CheckForUpdate(build), c.newer) << (c.body ? c.body : "(missing)");
            EXPECT_EQ(build, c.build) << (c.body ? c.body : "(missing)");
            EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_STATUS)->GetSafeHwnd()), c.status);
        }
        // Nothing listens there: fails at once and reads no number.
        SetWebServerBase("http://127.0.0.1:" + Env("KELVANE_EXTRAS_CLOSED_PORT") + "/");
        int build = 3;
        DWORD start = GetTickCount();
        EXPECT_FALSE(dlg.CheckForUpdate(build));
        DWORD elapsed = GetTickCount() - start;
        EXPECT_LT(elapsed, 6000u);
        RecordProperty("unreachable_ms", static_cast<int>(elapsed));
        EXPECT_EQ(build, 3);
    });
}

TEST_F(MonitorWindow, AboutBoxShowsTheBuildAndClosesWithOkOrEscape)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        for (int button : {IDOK, IDCANCEL}) {
            ModalWatcher about("About Kelvane Monitor", button);
            dlg.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
            ASSERT_TRUE(about.Wait());
            EXPECT_EQ(about.ControlText(IDC_BUILD), "Kelvane Monitor build 3");
        }
    });
}

TEST_F(MonitorWindow, BannersLogoAndAddServerOpenTheirPages)
{
    BrowserLog browser;
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        for (int id : {IDC_BANNER1, IDC_BANNER2, IDC_BANNER3, IDC_BANNER4, IDC_LOGO})
            SendCommand(dlg.GetSafeHwnd(), id, STN_CLICKED);
        SendCommand(dlg.GetSafeHwnd(), IDC_ADD_SERVER);
    });
    std::vector<std::string> expected(g_aszCharityUrls, g_aszCharityUrls + 4);
    expected.push_back(WebBase() + "gohome.html");
    expected.push_back(WebBase() + "getdetails.php");
    auto opened = browser.WaitFor(expected.size());
    std::sort(opened.begin(), opened.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(opened, expected);
}

TEST_F(MonitorWindow, DoubleClickJoinsTheSelectedServer)
{
    FakeGame game(m_dir, "Quake2");
    Setting("Quake2Location", game.ExePath().c_str());
    ServeMasterList("localhost:27999\r\n");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        HWND hList = dlg.m_listServers.GetSafeHwnd();
        ASSERT_EQ(ListRowCount(hList), 1);
        SelectListRow(hList, 0);
        EXPECT_EQ(SendListNotify(hList, NM_DBLCLK, 0), 0);
    });
    auto runs = game.WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].commandLine,
              game.ExePath() + " +set game kelvane +demomap kelvaneintro.cin +connect 127.0.0.1:27999");
}
