#include "VarnokProgram.h"

#include <filesystem>

#include <commctrl.h>

bool FirstPollEnded(const ChildProgram& monitor)
{
    return WaitFor([&] { return AskWindowText(monitor.Window()).find("Players Online") != std::string::npos; },
        kProgramWaitMs);
}

void ClickButton(HWND hDialog, int id)
{
    SendMessageTimeoutA(GetDlgItem(hDialog, id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kProgramWaitMs, NULL);
}

namespace {
// A click at a point of a window, handled by the time this returns.
void ClickAt(HWND hWnd, LPARAM point, UINT nDown, UINT nUp, WPARAM nButton)
{
    PostMessageA(hWnd, nDown, nButton, point);
    PostMessageA(hWnd, nUp, 0, point);
    // Answered only once the posted clicks ahead of it are handled.
    SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kProgramWaitMs, NULL);
}

LPARAM FirstRowPoint(HWND hList)
{
    RECT header = {};
    GetWindowRect(FindWindowExA(hList, NULL, "SysHeader32", NULL), &header);
    return MAKELPARAM(30, header.bottom - header.top + 6);
}
} // namespace

void RightClickFirstRow(HWND hDialog)
{
    HWND hList = GetDlgItem(hDialog, kServerList);
    ClickAt(hList, FirstRowPoint(hList), WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
}

void LeftClickFirstRow(HWND hDialog)
{
    HWND hList = GetDlgItem(hDialog, kServerList);
    ClickAt(hList, FirstRowPoint(hList), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
}

void ClickHeading(HWND hDialog, int nColumn)
{
    HWND hList = GetDlgItem(hDialog, kServerList);
    int x = 10;
    for (int i = 0; i < nColumn; ++i)
        x += static_cast<int>(SendMessageA(hList, LVM_GETCOLUMNWIDTH, i, 0));
    ClickAt(FindWindowExA(hList, NULL, "SysHeader32", NULL), MAKELPARAM(x, 5), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
}

// The list view's messages carry pointers into its own process: the request and
// the text go through memory there.
std::string ListTextOf(const ChildProgram& program, HWND hList, int nRow, int nColumn)
{
    HANDLE hProcess = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                  program.ProcessId());
    if (!hProcess)
        return "";
    const int kTextMax = 260;
    BYTE* pRemote = static_cast<BYTE*>(
        VirtualAllocEx(hProcess, NULL, sizeof(LVITEMA) + kTextMax, MEM_COMMIT, PAGE_READWRITE));
    char text[kTextMax + 1] = "";
    if (pRemote) {
        LVITEMA item = {};
        item.iSubItem = nColumn;
        item.cchTextMax = kTextMax;
        item.pszText = reinterpret_cast<LPSTR>(pRemote + sizeof(LVITEMA));
        if (WriteProcessMemory(hProcess, pRemote, &item, sizeof item, NULL) &&
            SendMessageTimeoutA(hList, LVM_GETITEMTEXTA, nRow, reinterpret_cast<LPARAM>(pRemote), SMTO_ABORTIFHUNG,
                                kProgramWaitMs, NULL))
            ReadProcessMemory(hProcess, item.pszText, text, kTextMax, NULL);
        VirtualFreeEx(hProcess, pRemote, 0, MEM_RELEASE);
    }
    CloseHandle(hProcess);
    return text;
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
