#include "ui/MonitorDlg.h"

#include "ui/ListMode.h"
#include "ui/ServerListRules.h"

void CMonitorDlg::OnRefreshServerList()
{
    StartPolling();
}

void CMonitorDlg::OnThreads1() { SetThreadBudget(1); }
void CMonitorDlg::OnThreads3() { SetThreadBudget(3); }
void CMonitorDlg::OnThreads7() { SetThreadBudget(7); }

void CMonitorDlg::SetThreadBudget(int nBudget)
{
    m_poll.SetBudget(nBudget);
    RunStateChanged();
}

void CMonitorDlg::StartPolling()
{
    if (!m_poll.Begin(m_servers.GetCount()))
        return;
    SetWindowText(PollingCaption());
    m_listPlayers.DeleteAllItems();
    m_progress.SetRange32(0, m_servers.GetCount());
    m_progress.SetStep(1);
    m_progress.SetPos(m_nProgressPos = 0);
    ShowProgress();

    if (!m_poll.IsPolling()) {
        EndPolling();
        return;
    }
    for (int i = 0; m_poll.WantsFirstQuery(i, m_servers.GetCount()); ++i)
        StartNextQuery();
}

// Takes the poll's next records until one has a notice to come; records that are
// not queried (ignored, or no thread) count as finished on the spot. A loop, not
// recursion through the notice handler, so a long run of them costs no stack.
void CMonitorDlg::StartNextQuery()
{
    for (;;) {
        CGameServer* pServer = m_servers.GetAt(m_poll.TakeNext(m_servers.GetCount()));
        if (!pServer)
            return;
        m_strStatus.Format("Querying server at %s...", static_cast<const char*>(pServer->GetAddress()));
        ShowStatusSoon();

        if (pServer->IsIgnored() != 1) {
            BOOL bStarted = pServer->StartQuery();
            if (bStarted || pServer->IsQuerying()) {
                m_poll.AwaitQuery(pServer, bStarted);
                return;
            }
        }
        UpdateServerItem(pServer);
        CountPollNotice();
        if (!m_poll.IsPolling())
            return;
    }
}

LRESULT CMonitorDlg::OnQueryDone(WPARAM wParam, LPARAM)
{
    CGameServer* pServer = reinterpret_cast<CGameServer*>(wParam);
    switch (m_poll.TakeNotice(pServer)) {
    case CPollState::NOTICE_OF_POLL:
        // The next query goes out first: the network waits for nothing the window does.
        StartNextQuery();
        UpdateServerItem(pServer);
        CountPollNotice();
        break;
    case CPollState::NOTICE_OF_CLICK:
    case CPollState::NOTICE_OTHER:
        UpdateServerItem(pServer);
        break;
    case CPollState::NOTICE_OF_CLICK_HIDDEN:
    case CPollState::NOTICE_DROPPED:
        return 0;
    }
    // The windows that follow a record see what its row now shows.
    ServerNoticed(pServer);
    return 0;
}

void CMonitorDlg::CountPollNotice()
{
    StepProgressSoon();
    if (m_poll.CountNotice())
        EndPolling();
}

void CMonitorDlg::EndPolling()
{
    m_strStatus = "Ready";
    UpdateData(FALSE);
    SortServerList(m_nServerSortColumn, m_bServerSortAscending);
    UpdateCaption();
    HideProgress();
    // The lists are shown by the next batch, after this message: the sizing of a
    // long list is a stretch of its own.
}

// The totals are read from what the rows show: a record whose query is running
// would otherwise count as silent until its notice arrives.
void CMonitorDlg::UpdateCaption()
{
    int nServers = 0, nPlayers = 0;
    for (int nRow = 0, nRows = m_listServers.GetItemCount(); nRow < nRows; ++nRow) {
        if (!m_listServers.GetItemData(nRow))
            continue;
        if (ReadLeadingUInt(m_listServers.GetItemText(nRow, SERVER_COLUMN_PING)) < PING_NOT_ANSWERING)
            ++nServers;
        nPlayers += ReadLeadingInt(m_listServers.GetItemText(nRow, SERVER_COLUMN_PLAYERS));
    }
    SetWindowText(TotalsCaption(nServers, nPlayers, m_nServerListMode));
}

// Moves the status line's right edge, keeping its left edge, top and height.
void CMonitorDlg::StretchStatusTo(int nRight)
{
    CWnd* pStatus = GetDlgItem(IDC_STATUS);
    CRect rcStatus;
    pStatus->GetWindowRect(&rcStatus);
    ScreenToClient(&rcStatus);
    pStatus->MoveWindow(rcStatus.left, rcStatus.top, nRight - rcStatus.left, rcStatus.Height());
}

int CMonitorDlg::ClientRightOf(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect.right;
}

void CMonitorDlg::ShowProgress()
{
    m_progress.ShowWindow(SW_SHOW);
    StretchStatusTo(ClientRightOf(m_listPlayers));
    GetDlgItem(IDC_STATUS)->UpdateWindow();
    m_progress.UpdateWindow();
}

// The status line then covers the progress bar's place.
void CMonitorDlg::HideProgress()
{
    m_progress.ShowWindow(SW_HIDE);
    StretchStatusTo(ClientRightOf(m_listServers) - 1);
}
