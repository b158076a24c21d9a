#include "ExtrasWindow.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "TestPaths.h"

const char* const kAppName = "varnok";
static CWinApp theApp(kAppName);

namespace {
// What the framework's entry point does for the program: the list views need it.
class CommonControls : public ::testing::Environment {
public:
    void SetUp() override { AfxInitCommonControls(); }
};
const auto* const g_pCommonControls = ::testing::AddGlobalTestEnvironment(new CommonControls);
} // namespace
static std::string g_strIniPath;

void UseFreshSettings(const std::string& iniPath)
{
    char szFull[MAX_PATH] = "";
    GetFullPathNameA(iniPath.c_str(), MAX_PATH, szFull, nullptr);
    g_strIniPath = szFull;
    DeleteFileA(g_strIniPath.c_str());
    theApp.m_pszProfileName = g_strIniPath.c_str();
}

ServerListOwner::ServerListOwner()
    : CDialog(900)
{
    Create(900);
}

ServerListOwner::~ServerListOwner()
{
    DestroyWindow();
}

void ServerListOwner::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, 1001, m_listServers);
}

void ServerListOwner::AddSelectedRow(CGameServer* pServer)
{
    if (m_listServers.GetHeaderCtrl()->GetItemCount() == 0)
        m_listServers.InsertColumn(0, "Address", LVCFMT_LEFT, 200);
    int nItem = m_listServers.InsertItem(m_listServers.GetItemCount(), pServer ? pServer->GetAddress() : "?");
    m_listServers.SetItemData(nItem, reinterpret_cast<DWORD_PTR>(pServer));
    m_listServers.SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

std::unique_ptr<CGameServer> MakeServer(const std::string& address, const std::string& website)
{
    std::string path = BinaryDir() + "/scratch/record.txt";
    WriteFile(path, address + "\nA server\n" + website + "\n0\n0\n");
    auto pServer = std::make_unique<CGameServer>();
    FILE* f = std::fopen(path.c_str(), "r");
    if (f) {
        pServer->ReadFromFile(f);
        std::fclose(f);
    }
    return pServer;
}
