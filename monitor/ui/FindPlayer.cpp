#include "ui/MonitorDlg.h"

#include "ui/FindPlayerDlg.h"
#include "ui/ListMode.h"

void CMonitorDlg::OnFindPlayer()
{
    if (m_pFindDlg || m_bShuttingDown)
        return;
    CFindPlayerDlg dlg(m_servers, this);
    m_pFindDlg = &dlg;
    const INT_PTR nResult = dlg.DoModal();
    m_pFindDlg = nullptr;
    if (nResult == IDOK && dlg.m_pChosenServer && !m_bShuttingDown)
        GoToServer(dlg.m_pChosenServer, dlg.m_strChosenPlayer);
}

// The server's row selected and in view, its players listed with the player
// selected, and the focus on the server list, where Enter joins.
void CMonitorDlg::GoToServer(CGameServer* pServer, const CString& strPlayer)
{
    UpdateServerItem(pServer);
    if (FindServerRow(pServer) < 0) {
        ShowListMode(LIST_MODE_ALL);
        UpdateServerItem(pServer);
    }
    const int nRow = FindServerRow(pServer);
    if (nRow < 0)
        return;
    const UINT nSelected = LVIS_SELECTED | LVIS_FOCUSED;
    m_listServers.SetItemState(nRow, nSelected, nSelected);
    m_listServers.EnsureVisible(nRow, FALSE);
    for (int nPlayer = 0, nPlayers = m_listPlayers.GetItemCount(); nPlayer < nPlayers; ++nPlayer) {
        if (m_listPlayers.GetItemText(nPlayer, 0) == strPlayer) {
            m_listPlayers.SetItemState(nPlayer, nSelected, nSelected);
            m_listPlayers.EnsureVisible(nPlayer, FALSE);
            break;
        }
    }
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_listServers.GetSafeHwnd()), TRUE);
}

void CMonitorDlg::ServerNoticed(CGameServer* pServer)
{
    if (m_pFindDlg)
        m_pFindDlg->ServerChanged(pServer);
}

// Before the records go: nothing over this window may read them afterwards.
void CMonitorDlg::CloseServerWindows()
{
    if (m_pFindDlg)
        m_pFindDlg->EndDialog(IDCANCEL);
}
