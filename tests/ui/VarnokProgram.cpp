#include "VarnokProgram.h"

#include <filesystem>

bool FirstPollEnded(const ChildProgram& monitor)
{
    return WaitFor([&] { return AskWindowText(monitor.Window()).find("Players Online") != std::string::npos; },
        kProgramWaitMs);
}

void ClickButton(HWND hDialog, int id)
{
    SendMessageTimeoutA(GetDlgItem(hDialog, id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kProgramWaitMs, NULL);
}

void RightClickFirstRow(HWND hDialog)
{
    HWND hList = GetDlgItem(hDialog, kServerList);
    RECT header = {};
    GetWindowRect(FindWindowExA(hList, NULL, "SysHeader32", NULL), &header);
    LPARAM point = MAKELPARAM(30, header.bottom - header.top + 6);
    PostMessageA(hList, WM_RBUTTONDOWN, MK_RBUTTON, point);
    PostMessageA(hList, WM_RBUTTONUP, 0, point);
    // Answered only once the posted clicks ahead of it are handled.
    SendMessageTimeoutA(hList, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kProgramWaitMs, NULL);
}

VarnokProgram::VarnokProgram()
    : m_case(::testing::UnitTest::GetInstance()->current_test_info()->name()), m_dir("varnok_" + m_case),
      m_exeName("varnok-" + m_case)
{
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    m_ini = std::string(windows) + "\\" + m_exeName + ".INI";
    m_exe = m_dir.File(m_exeName + ".exe");
    CopyFileA(VARNOK_EXE, m_exe.c_str(), FALSE);
    m_web = Env("KELVANE_UI_WEB_ROOT") + "/varnok_" + m_case;
    std::filesystem::create_directories(m_web);
    Serve("news.txt", "");
    FreshSettings();
}

VarnokProgram::~VarnokProgram() { DeleteFileA(m_ini.c_str()); }

void VarnokProgram::FreshSettings()
{
    DeleteFileA(m_ini.c_str());
    Setting("WebServer", "http://127.0.0.1:" + Env("KELVANE_UI_WEB_PORT") + "/varnok_" + m_case + "/");
}

void VarnokProgram::ForgetRunState()
{
    DeleteFileA("serverlist.txt");
    FreshSettings();
}

void VarnokProgram::ExpectRunState(const std::string& list, const char* threads, const char* mode,
                                   const std::string& context) const
{
    EXPECT_EQ(ReadText("serverlist.txt"), list) << context;
    EXPECT_EQ(StoredSetting("NumQueryThreads"), threads) << context;
    EXPECT_EQ(StoredSetting("ServerListMode"), mode) << context;
    EXPECT_FALSE(std::filesystem::exists("serverlist.txt.tmp")) << context;
}

void VarnokProgram::Serve(const std::string& file, const std::string& body) { WriteFile(m_web + "/" + file, body); }

void VarnokProgram::Setting(const char* key, const std::string& value)
{
    WritePrivateProfileStringA("General", key, value.c_str(), m_ini.c_str());
}

std::string VarnokProgram::StoredSetting(const char* key) const
{
    char value[64] = "";
    GetPrivateProfileStringA("General", key, "(absent)", value, sizeof value, m_ini.c_str());
    return value;
}
