#include "ExtrasTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

const char* const kAppName = "varnok";
static std::string g_strIniPath;

namespace {
std::string WindowsPath(const std::string& path)
{
    char szFull[MAX_PATH] = "";
    GetFullPathNameA(path.c_str(), MAX_PATH, szFull, nullptr);
    return szFull;
}

// The lines of a log file once it has at least n, or when timeoutMs have passed.
std::vector<std::string> WaitForLines(const std::string& path, size_t n, int timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<std::string> lines;
        std::istringstream in(ReadFile(path));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        if (lines.size() >= n || GetTickCount() - start > static_cast<DWORD>(timeoutMs))
            return lines;
        Sleep(50);
    }
}

BOOL CALLBACK FindNameEdit(HWND hWnd, LPARAM lParam)
{
    char cls[16] = "";
    GetClassNameA(hWnd, cls, sizeof(cls));
    HWND hParent = GetParent(hWnd);
    bool inNameCombo = GetDlgCtrlID(hParent) == 1148 || GetDlgCtrlID(GetParent(hParent)) == 1148;
    if (lstrcmpiA(cls, "Edit") != 0 || (GetDlgCtrlID(hWnd) != 1152 && !inNameCombo))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}
} // namespace

void UseFreshSettings(const std::string& iniPath)
{
    g_strIniPath = WindowsPath(iniPath);
    DeleteFileA(g_strIniPath.c_str());
    AfxGetApp()->m_pszProfileName = g_strIniPath.c_str();
}

void ServerListOwner::AddSelectedRow(CGameServer* pServer)
{
    if (Header_GetItemCount(ListView_GetHeader(m_listServers.GetSafeHwnd())) == 0)
        m_listServers.InsertColumn(0, "Address", LVCFMT_LEFT, 200);
    int nItem = m_listServers.InsertItem(m_listServers.GetItemCount(), pServer ? pServer->GetAddress() : "?");
    m_listServers.SetItemData(nItem, reinterpret_cast<DWORD_PTR>(pServer));
    SelectListRow(m_listServers.GetSafeHwnd(), nItem);
}

std::unique_ptr<CGameServer> MakeServer(const std::string& address, const std::string& website)
{
    std::string path = BinaryDir() + "/scratch/record.txt";
    WriteFile(path, address + "\nA server\n" + website + "\n0\n0\n");
    auto pServer = std::make_unique<CGameServer>();
    if (FILE* f = std::fopen(path.c_str(), "r")) {
        pServer->ReadFromFile(f);
        std::fclose(f);
    }
    return pServer;
}

FakeGame::FakeGame(const ScratchDir& scratch, const std::string& folder)
{
    const char* pszGame = std::getenv("KELVANE_FAKE_QUAKE2"); // set by CMake for the tests that start it
    fs::path dir = fs::path(scratch.Path()) / folder;
    fs::create_directories(dir);
    fs::copy_file(pszGame ? pszGame : "", dir / "quake2.exe", fs::copy_options::overwrite_existing);
    m_folder = WindowsPath((dir / "").string());
    m_exe = m_folder + "quake2.exe";
    m_log = scratch.File("game-runs.log");
    WriteFile(m_log, "");
    SetEnvironmentVariableA("KELVANE_FAKE_GAME_LOG", WindowsPath(m_log).c_str());
}

std::vector<GameRun> FakeGame::WaitForRuns(size_t nRuns, int timeoutMs) const
{
    std::vector<std::string> lines = WaitForLines(m_log, 2 * nRuns, timeoutMs);
    std::vector<GameRun> runs;
    for (size_t i = 0; i + 1 < lines.size(); i += 2)
        runs.push_back({lines[i], lines[i + 1]});
    return runs;
}

BrowserLog::BrowserLog()
{
    const char* log = std::getenv("KELVANE_BROWSER_LOG");
    const char* prefix = std::getenv("WINEPREFIX");
    m_path = log && *log ? log : std::string(prefix ? prefix : ".") + "/browser.log";
    WriteFile(m_path, "");
}

std::vector<std::string> BrowserLog::WaitFor(size_t n, int timeoutMs) const
{
    return WaitForLines(m_path, n, timeoutMs);
}

void TypeFileName(HWND hFileDialog, const std::string& path)
{
    HWND hEdit = nullptr;
    EnumChildWindows(hFileDialog, FindNameEdit, reinterpret_cast<LPARAM>(&hEdit));
    SendMessageA(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
}
