// The end of a Windows session (log-off, shut-down) with varnok.exe open, as the
// system brings it: `wineboot --end-session` sends WM_QUERYENDSESSION and
// WM_ENDSESSION and then ends the process. The program is a copy of varnok.exe
// named for the test, so that its settings file (named after the executable, in
// the Windows directory) is the test's own; the test drives it through its window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ChildProgram.h"
#include "TestPaths.h"

namespace fs = std::filesystem;

namespace {

const int kServerList = 1001, kThreads1 = 1008, kThreads3 = 1009, kListMode = 1013, kRefresh = 1005;
const DWORD kWaitMs = 20000;
// What Windows allows a program to answer the session end before it is ended anyway.
const long kSessionAllowanceMs = 5000;

std::string Address(int port) { return "127.0.0.1:" + std::to_string(port); }

std::string Record(int port, const std::string& name, int favorite, int ignored, const std::string& page = "")
{
    return Address(port) + "\n" + name + "\n" + page + "\n" + std::to_string(favorite) + "\n" +
           std::to_string(ignored) + "\n";
}

// A text file with its line ends read as LF.
std::string ReadText(const std::string& path)
{
    std::string text = ReadFile(path);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

class SessionEnd : public ::testing::Test {
protected:
    SessionEnd()
        : m_case(::testing::UnitTest::GetInstance()->current_test_info()->name()), m_dir("session_end_" + m_case),
          m_exeName("varnok-" + m_case)
    {
        char windows[MAX_PATH] = "";
        GetWindowsDirectoryA(windows, MAX_PATH);
        m_ini = std::string(windows) + "\\" + m_exeName + ".INI";
        m_exe = m_dir.File(m_exeName + ".exe");
        CopyFileA(VARNOK_EXE, m_exe.c_str(), FALSE);
        m_web = Env("KELVANE_UI_WEB_ROOT") + "/session_end_" + m_case;
        fs::create_directories(m_web);
        Serve("news.txt", "");
        FreshSettings();
    }
    ~SessionEnd() override { DeleteFileA(m_ini.c_str()); }

    // A settings file that names only the test's web folder.
    void FreshSettings()
    {
        DeleteFileA(m_ini.c_str());
        Setting("WebServer", "http://127.0.0.1:" + Env("KELVANE_UI_WEB_PORT") + "/session_end_" + m_case + "/");
    }

    void Serve(const std::string& file, const std::string& body) { WriteFile(m_web + "/" + file, body); }
    void Setting(const char* key, const std::string& value)
    {
        WritePrivateProfileStringA("General", key, value.c_str(), m_ini.c_str());
    }
    std::string StoredSetting(const char* key) const
    {
        char value[64] = "";
        GetPrivateProfileStringA("General", key, "(absent)", value, sizeof value, m_ini.c_str());
        return value;
    }

    std::string m_case;
    ScratchDir m_dir;
    std::string m_exeName, m_ini, m_exe, m_web;
};

// The main window once its first poll has ended (its caption then has the totals).
bool FirstPollEnded(const ChildProgram& monitor)
{
    return WaitFor([&] { return AskWindowText(monitor.Window()).find("Players Online") != std::string::npos; },
        kWaitMs);
}

void ClickButton(HWND hDialog, int id)
{
    SendMessageTimeoutA(GetDlgItem(hDialog, id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kWaitMs, NULL);
}

// A right click on the first row of the server list, as the mouse gives it.
void RightClickFirstRow(HWND hDialog)
{
    HWND hList = GetDlgItem(hDialog, kServerList);
    RECT header = {};
    GetWindowRect(FindWindowExA(hList, NULL, "SysHeader32", NULL), &header);
    LPARAM point = MAKELPARAM(30, header.bottom - header.top + 6);
    PostMessageA(hList, WM_RBUTTONDOWN, MK_RBUTTON, point);
    PostMessageA(hList, WM_RBUTTONUP, 0, point);
    // Answered only once the posted clicks ahead of it are handled.
    SendMessageTimeoutA(hList, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kWaitMs, NULL);
}

} // namespace

TEST_F(SessionEnd, KeepsWhatTheUserDidAsClosingTheWindowDoes)
{
    Serve("gameservers.txt", Address(28300) + "\r\n");
    const struct {
        const char* how;
        bool sessionEnd;
    } endings[] = {{"close box", false}, {"session end", true}};
    for (const auto& ending : endings) {
        DeleteFileA("serverlist.txt");
        FreshSettings();
        ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
        ASSERT_TRUE(monitor.Window()) << ending.how;
        ASSERT_TRUE(FirstPollEnded(monitor)) << ending.how;
        RightClickFirstRow(monitor.Window()); // a favourite now
        ClickButton(monitor.Window(), kThreads1);
        ClickButton(monitor.Window(), kListMode); // all servers -> active servers
        if (ending.sessionEnd) {
            const long ms = EndWineSession();
            EXPECT_GE(ms, 0) << "the session did not end";
            EXPECT_LT(ms, kSessionAllowanceMs);
            RecordProperty("end_session_idle_ms", static_cast<int>(ms));
        } else {
            PostMessageA(monitor.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        EXPECT_TRUE(monitor.Exited(kWaitMs)) << ending.how;
        EXPECT_EQ(ReadText("serverlist.txt"), Record(28300, "Alpha Base", 1, 0)) << ending.how;
        EXPECT_EQ(StoredSetting("NumQueryThreads"), "1") << ending.how;
        EXPECT_EQ(StoredSetting("ServerListMode"), "1") << ending.how;
        EXPECT_FALSE(fs::exists("serverlist.txt.tmp")) << ending.how;
    }
}

TEST_F(SessionEnd, DuringAPollWritesEveryRecordWithoutWaitingForTheQueries)
{
    std::string masterList;
    for (int port = 28380; port < 28386; ++port)
        masterList += Address(port) + "\r\n";
    Serve("gameservers.txt", masterList);
    // One query at a time to servers that never answer: the poll runs for seconds.
    Setting("NumQueryThreads", "1");
    WriteFile("serverlist.txt", Record(28381, "Stored", 0, 1) + Record(28399, "Kept favourite", 1, 0, "http://k.example/"));

    ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
    ASSERT_TRUE(monitor.Window());
    ClickButton(monitor.Window(), kThreads3);
    ClickButton(monitor.Window(), kRefresh); // a poll under way already: nothing more starts
    ASSERT_NE(AskWindowText(monitor.Window()).find("Polling Servers"), std::string::npos) << "the poll had ended";
    const long ms = EndWineSession();
    EXPECT_GE(ms, 0) << "the session did not end";
    EXPECT_LT(ms, kSessionAllowanceMs);
    RecordProperty("end_session_polling_ms", static_cast<int>(ms));
    EXPECT_TRUE(monitor.Exited(kWaitMs));

    std::string expected;
    for (int port = 28380; port < 28386; ++port)
        expected += Record(port, "", 0, port == 28381 ? 1 : 0);
    expected += Record(28399, "Kept favourite", 1, 0, "http://k.example/");
    EXPECT_EQ(ReadText("serverlist.txt"), expected);
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "3");
    EXPECT_EQ(StoredSetting("ServerListMode"), "5");
}

TEST_F(SessionEnd, DuringStartUpLeavesThePreviousRunsFilesAlone)
{
    Serve("gameservers.txt", Address(28300) + "\r\n");
    Serve("build.txt", "4"); // start-up stops at the news of a newer build
    Setting("NumQueryThreads", "3");
    Setting("ServerListMode", "3");
    const std::string stored = Record(28399, "Kept favourite", 1, 0, "http://k.example/");
    WriteFile("serverlist.txt", stored);

    // The main window is not shown yet: the message box is the one to find.
    ChildProgram monitor(m_exe, "#32770", m_exeName);
    ASSERT_TRUE(monitor.Window());
    EXPECT_EQ(AskWindowText(GetDlgItem(monitor.Window(), 0xFFFF)), "Kelvane Monitor build 4 is now available!");
    const long ms = EndWineSession();
    EXPECT_GE(ms, 0) << "the session did not end";
    EXPECT_TRUE(monitor.Exited(kWaitMs));
    EXPECT_EQ(ReadFile("serverlist.txt"), stored);
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "3");
    EXPECT_EQ(StoredSetting("ServerListMode"), "3");
}
