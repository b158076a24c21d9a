// The keys a player expects of a Windows list: F5 refreshes, Ctrl+C copies the
// focused list's selection, Enter on the server list joins. F5 and Ctrl+C are the
// accelerator table IDR_MAINFRAME; Enter is taken here before the dialog manager,
// which would make it the OK command that does nothing.
#include "ui/MonitorDlg.h"

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
    static const HACCEL hAccelerators = ::LoadAcceleratorsA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (hAccelerators && ::TranslateAcceleratorA(m_hWnd, hAccelerators, pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
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
