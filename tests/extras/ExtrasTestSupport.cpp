#include "ExtrasTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>


static std::string g_strIniPath;

namespace {
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
    static const CListColumn kAddress = {"Address", 200};
    if (!m_listServers.GetTable())
        m_listServers.Show(m_rows, &kAddress, 1, 96);
    int nItem = m_rows.Set(reinterpret_cast<LPARAM>(pServer), {pServer ? pServer->GetAddress() : CString("?")});
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

void TypeFileName(HWND hFileDialog, const std::string& path)
{
    HWND hEdit = nullptr;
    EnumChildWindows(hFileDialog, FindNameEdit, reinterpret_cast<LPARAM>(&hEdit));
    SendMessageA(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
}
