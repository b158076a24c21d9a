// The keys a player expects of a Windows list: F5 refreshes, Ctrl+C copies the
// focused list's selection, Enter on the server list joins; Ctrl+F finds a player,
// Alt+Enter shows the server's details. All but Enter are the accelerator table
// IDR_MAINFRAME; Enter is taken here before the dialog manager, which would make
// it the OK command that does nothing.
#include "ui/MonitorDlg.h"

#include "ui/dialogs/MonitorKeys.h"

static const LPARAM kKeyWasDown = 1 << 30;

BOOL CMonitorDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd == m_listServers.GetSafeHwnd()) {
        // A held key repeats: one press, one game.
        if (!(pMsg->lParam & kKeyWasDown))
            OnJoinServer();
        return TRUE;
    }
    if (TranslateMonitorKeys(m_hWnd, pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CMonitorDlg::OnMonitorCommand(UINT nID)
{
    m_windows.RunKeyCommand(nID);
}
