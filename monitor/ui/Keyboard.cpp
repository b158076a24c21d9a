// The keys a player expects of a Windows list: F5 refreshes, Ctrl+C copies the
// focused list's selection, Enter on the server list joins; Ctrl+F finds a player,
// Alt+Enter shows the server's details. All but Enter are the accelerator table
// IDR_MAINFRAME; Enter is taken here before the dialog manager,
// which would make it the OK command that does nothing.
#include "ui/MonitorDlg.h"

#include "ui/MonitorKeys.h"
#include "ui/ServerListRules.h"

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

BOOL TranslateMonitorKeys(HWND hWnd, MSG* pMsg)
{
    static const HACCEL hAccelerators = ::LoadAcceleratorsA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    return hAccelerators && ::TranslateAcceleratorA(hWnd, hAccelerators, pMsg);
}

// The texts as the rows show them: the server's address, the player's name.
void CMonitorDlg::OnEditCopy()
{
    const HWND hFocus = ::GetFocus();
    const bool bServers = hFocus == m_listServers.GetSafeHwnd();
    if (!hFocus || (!bServers && hFocus != m_listPlayers.GetSafeHwnd()))
        return;
    CListCtrl& list = bServers ? m_listServers : m_listPlayers;
    const int nItem = list.GetNextItem(-1, LVNI_SELECTED);
    if (nItem >= 0)
        AfxSetClipboardText(m_hWnd, list.GetItemText(nItem, bServers ? SERVER_COLUMN_ADDRESS : 0));
}
