// The windows opened over the main window: Find Player with going to its match,
// Server Details, and the wait for a free slot on a full server.
#include "ui/MonitorDlg.h"

#include "extras/JoinServer.h"
#include "extras/SelectedServer.h"
#include "ui/FindPlayerDlg.h"
#include "ui/FreeSlot.h"
#include "ui/ListMode.h"
#include "ui/ServerDetailsDlg.h"
#include "ui/SlotWaitDlg.h"

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

void CMonitorDlg::OnServerDetails()
{
    if (m_bShuttingDown)
        return;
    if (CGameServer* pServer = SelectedServerOrExplain(m_listServers)) {
        CServerDetailsDlg dlg(pServer->GetStatus(), this);
        dlg.DoModal();
    }
}

// Join Server on a full server first asks whether to wait for a slot.
void CMonitorDlg::OnJoinServer()
{
    if (CGameServer* pServer = GetSelectedServer()) {
        const CServerStatus status = pServer->GetStatus();
        if (IsServerFull(status)) {
            switch (AfxMessageBox(FullServerQuestion(status), MB_YESNOCANCEL | MB_ICONQUESTION)) {
            case IDYES:
                WaitForFreeSlot(pServer);
                return;
            case IDNO:
                break;
            default:
                return;
            }
        }
    }
    JoinSelectedServer(this, m_listServers);
}

// One wait at a time: a new one replaces the last.
void CMonitorDlg::WaitForFreeSlot(CGameServer* pServer)
{
    m_pSlotWait = std::make_unique<CSlotWaitDlg>(*this, pServer);
    if (!m_pSlotWait->Open())
        m_pSlotWait.reset();
}

void CMonitorDlg::AskServerAgain(CGameServer* pServer)
{
    if (m_poll.IsPolling() || m_bShuttingDown)
        return;
    // Its notice refreshes the row; it is no poll's business.
    if (pServer->StartQuery())
        m_poll.AwaitClick(pServer);
}

void CMonitorDlg::JoinServerNow(CGameServer* pServer)
{
    if (!m_bShuttingDown)
        JoinServer(this, pServer);
}

void CMonitorDlg::ServerNoticed(CGameServer* pServer)
{
    if (m_pFindDlg)
        m_pFindDlg->ServerChanged(pServer);
    if (m_pSlotWait && m_pSlotWait->GetServer() == pServer)
        m_pSlotWait->ServerNoticed();
}

// Before the records go: nothing over this window may read them afterwards.
void CMonitorDlg::CloseServerWindows()
{
    if (m_pFindDlg)
        m_pFindDlg->EndDialog(IDCANCEL);
    m_pSlotWait.reset();
}
