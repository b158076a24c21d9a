#include "ui/TrayIcon.h"

#include <shellapi.h>

#include "res/resource.h"

const char* const CTrayIcon::kTitle = "Kelvane Monitor";

namespace {
const UINT WM_TRAYICON = WM_APP + 1;
const char kClassName[] = "KelvaneMonitorTray";

UINT TaskbarCreated()
{
    static const UINT nMessage = ::RegisterWindowMessageA("TaskbarCreated");
    return nMessage;
}
} // namespace

CTrayIcon::CTrayIcon(HWND& hMain, UINT nCommand) : m_hMain(hMain), m_nCommand(nCommand)
{
}

CTrayIcon::~CTrayIcon()
{
    Remove();
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

void CTrayIcon::Show(const CString& strTip)
{
    m_strTip = strTip;
    if (!m_hWnd) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &CTrayIcon::WindowProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = kClassName;
        ::RegisterClassA(&wc); // fails harmlessly once registered
        // Top-level, never shown: the shell's broadcasts reach only such windows.
        m_hWnd = ::CreateWindowExA(0, kClassName, kTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   AfxGetInstanceHandle(), nullptr);
        if (!m_hWnd)
            return;
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_hIcon = static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                  ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
    }
    if (!m_bShown || !Notify(NIM_MODIFY, NIF_TIP))
        m_bShown = Notify(NIM_ADD, NIF_ICON | NIF_TIP | NIF_MESSAGE) != FALSE;
}

void CTrayIcon::Remove()
{
    if (m_bShown)
        Notify(NIM_DELETE, 0);
    m_bShown = false;
}

void CTrayIcon::ShowNotice(const CString& strText)
{
    if (m_bShown)
        Notify(NIM_MODIFY, NIF_INFO, strText);
}

BOOL CTrayIcon::Notify(DWORD dwMessage, UINT uFlags, const char* pszInfo)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof data;
    data.hWnd = m_hWnd;
    data.uID = 1;
    data.uFlags = uFlags;
    data.uCallbackMessage = WM_TRAYICON;
    data.hIcon = m_hIcon;
    ::lstrcpynA(data.szTip, m_strTip, sizeof data.szTip);
    if (pszInfo) {
        ::lstrcpynA(data.szInfo, pszInfo, sizeof data.szInfo);
        ::lstrcpynA(data.szInfoTitle, kTitle, sizeof data.szInfoTitle);
        data.dwInfoFlags = NIIF_INFO;
        data.uTimeout = 10000;
    }
    const BOOL bDone = ::Shell_NotifyIconA(dwMessage, &data);
    if (bDone && dwMessage == NIM_ADD) {
        // The notice's click comes as NIN_BALLOONUSERCLICK from this version on.
        data.uVersion = NOTIFYICON_VERSION;
        ::Shell_NotifyIconA(NIM_SETVERSION, &data);
    }
    return bDone;
}

LRESULT CALLBACK CTrayIcon::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* pTray = reinterpret_cast<CTrayIcon*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (!pTray)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    if (message == WM_TRAYICON) {
        if (lParam == WM_LBUTTONDBLCLK || lParam == NIN_BALLOONUSERCLICK)
            ::PostMessageA(pTray->m_hMain, WM_COMMAND, pTray->m_nCommand, 0);
        return 0;
    }
    if (message == TaskbarCreated()) {
        // The shell has restarted without the icon.
        if (pTray->m_bShown)
            pTray->m_bShown = pTray->Notify(NIM_ADD, NIF_ICON | NIF_TIP | NIF_MESSAGE) != FALSE;
        return 0;
    }
    if (message == WM_ENDSESSION && wParam)
        pTray->Remove();
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}
