// The extras inside the real main dialog: the update check at start-up, the
// about box, the banners, the logo, Add A Server and the double-click join.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "ExtrasTestSupport.h"
#include "extras/WebLinks.h"
#include "ui/MonitorDlg.h"
#include "web/WebServer.h"

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

class MonitorDialogTest : public ::testing::Test {
protected:
    MonitorDialogTest()
        : m_case(::testing::UnitTest::GetInstance()->current_test_info()->name())
        , m_scratch("extras_" + m_case)
        , m_webFolder(Env("KELVANE_EXTRAS_WEB_ROOT") + "/" + m_case)
        , m_base("http://127.0.0.1:" + Env("KELVANE_EXTRAS_WEB_PORT") + "/" + m_case + "/")
    {
        UseFreshSettings(m_scratch.File("varnok.INI"));
        std::filesystem::create_directories(m_webFolder);
        Serve("gameservers.txt", "");
        Serve("news.txt", "Kelvane news");
        AfxGetApp()->WriteProfileString("General", "WebServer", m_base.c_str());
    }

    void Serve(const std::string& file, const std::string& body) { WriteFile(m_webFolder + "/" + file, body); }
    void Unserve(const std::string& file) { std::filesystem::remove(m_webFolder + "/" + file); }

    // Runs the dialog, with the script inside its loop once start-up is done.
    void Run(const std::function<void(CMonitorDlg&)>& script)
    {
        CMonitorDlg dlg;
        AfxGetApp()->m_pMainWnd = &dlg;
        RunModal(dlg, [&](CDialog&) {
            ASSERT_TRUE(PumpUntil([&] { return !dlg.m_poll.IsPolling(); }, 10000)) << "first poll never ended";
            script(dlg);
            if (IsWindow(dlg.GetSafeHwnd()))
                SendCommand(dlg.GetSafeHwnd(), IDCANCEL);
        });
        AfxGetApp()->m_pMainWnd = nullptr;
    }

    std::string m_case;
    ScratchDir m_scratch;
    std::string m_webFolder;
    std::string m_base;
};

TEST_F(MonitorDialogTest, NewerBuildIsAnnouncedAtStartUp)
{
    Serve("build.txt", " 4\r\n");
    ModalWatcher announced(kAppName);
    Run([](CMonitorDlg&) {});
    ASSERT_TRUE(announced.Wait());
    EXPECT_EQ(announced.MessageText(), "Kelvane Monitor build 4 is now available!");
}

TEST_F(MonitorDialogTest, UpdateCheckReadsTheNumberAndNeverAFailedFetch)
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
    Unserve("build.txt");
    Run([&](CMonitorDlg& dlg) {
        for (const Case& c : cases) {
            if (c.body)
                Serve("build.txt", c.body);
            else
                Unserve("build.txt");
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

TEST_F(MonitorDialogTest, AboutBoxShowsTheBuildAndClosesWithOkOrEscape)
{
    Run([](CMonitorDlg& dlg) {
        for (int button : {IDOK, IDCANCEL}) {
            ModalWatcher about("About Kelvane Monitor", button);
            dlg.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
            ASSERT_TRUE(about.Wait());
            EXPECT_EQ(about.ControlText(IDC_BUILD), "Kelvane Monitor build 3");
        }
    });
}

TEST_F(MonitorDialogTest, BannersLogoAndAddServerOpenTheirPages)
{
    BrowserLog browser;
    Run([](CMonitorDlg& dlg) {
        for (int id : {IDC_BANNER1, IDC_BANNER2, IDC_BANNER3, IDC_BANNER4, IDC_LOGO})
            SendCommand(dlg.GetSafeHwnd(), id, STN_CLICKED);
        SendCommand(dlg.GetSafeHwnd(), IDC_ADD_SERVER);
    });
    std::vector<std::string> expected(g_aszCharityUrls, g_aszCharityUrls + 4);
    expected.push_back(m_base + "gohome.html");
    expected.push_back(m_base + "getdetails.php");
    auto opened = browser.WaitFor(expected.size());
    std::sort(opened.begin(), opened.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(opened, expected);
}

TEST_F(MonitorDialogTest, DoubleClickJoinsTheSelectedServer)
{
    FakeGame game(m_scratch, "Quake2");
    AfxGetApp()->WriteProfileString("General", "Quake2Location", game.ExePath().c_str());
    Serve("gameservers.txt", "localhost:27999\r\n");
    Run([](CMonitorDlg& dlg) {
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

} // namespace
