#include "WinApp.h"

#include "ProfileFile.h"

#include <vector>

namespace {

CWinApp* g_pApp = nullptr;

std::string ExecutableBaseName()
{
    std::vector<char> path(32768);
    const DWORD nLength = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::string name(path.data(), nLength);
    name.erase(0, name.find_last_of("\\/") + 1);
    const size_t nDot = name.rfind('.');
    if (nDot != std::string::npos)
        name.erase(nDot);
    return name;
}

} // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_hInstance(::GetModuleHandleA(nullptr))
{
    const std::string strExeName = ExecutableBaseName();
    m_strAppName = lpszAppName ? lpszAppName : strExeName;
    m_strProfileName = strExeName + ".INI";
    m_pszAppName = m_strAppName.c_str();
    m_pszProfileName = m_strProfileName.c_str();
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

int CWinApp::Run()
{
    MSG msg = {};
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    m_nExitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    return CProfileFile(m_pszProfileName).GetString(lpszSection, lpszEntry, lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    return CProfileFile(m_pszProfileName).WriteString(lpszSection, lpszEntry, lpszValue);
}

void AfxInitCommonControls()
{
    static const BOOL bDone = [] {
        INITCOMMONCONTROLSEX controls = { sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES };
        return ::InitCommonControlsEx(&controls);
    }();
    (void)bDone;
}

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

HINSTANCE AfxGetInstanceHandle() { return g_pApp ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr); }

LPCSTR AfxGetAppName()
{
    static const std::string name = ExecutableBaseName();
    return g_pApp ? g_pApp->m_pszAppName : name.c_str();
}

// Kept in this file, with the application object that every program has, so the
// linker always finds it (the C runtime asks for it only after our library).
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    pApp->m_hInstance = hInstance;
    AfxInitCommonControls();
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    return pApp->Run();
}
