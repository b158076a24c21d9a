#include "ui/MonitorDlg.h"

#include "ui/ListMode.h"
#include "ui/ServerListRules.h"

void CMonitorDlg::OnRefreshServerList()
{
    StartPolling();
}

void CMonitorDlg::OnThreads1() { m_nNumQueryThreads = 1; }
void CMonitorDlg::OnThreads3() { m_nNumQueryThreads = 3; }
void CMonitorDlg::OnThreads7() { m_nNumQueryThreads = 7; }

void CMonitorDlg::StartPolling()
{
    if (m_bPolling)
        return;
    SetWindowText(PollingCaption());
    m_bPolling = TRUE;
    m_listPlayers.DeleteAllItems();
    m_nNextServer = 0;
    m_nQueriesLeft = m_servers.GetCount();
    m_pollAwaited.clear();
    m_progress.SetRange32(0, m_nQueriesLeft);
    m_progress.SetStep(1);
    m_progress.SetPos(m_nProgressPos = 0);
    ShowProgress();

    // Nothing to wait for: no notice would ever end this poll.
    if (m_nQueriesLeft == 0) {
        EndPolling();
        return;
    }
    // Calls past the last record would do nothing: a budget of millions must not
    // hold the window for seconds (nor run the index past its range).
    for (int i = 0; i < m_nNumQueryThreads && m_bPolling && m_nNextServer < m_servers.GetCount(); ++i)
        StartNextQuery();
}

// Takes the poll's next records until one has a notice to come; records that are
// not queried (ignored, or no thread) count as finished on the spot. A loop, not
// recursion through the notice handler, so a long run of them costs no stack.
void CMonitorDlg::StartNextQuery()
{
    for (;;) {
        CGameServer* pServer = m_servers.GetAt(m_nNextServer++);
        if (!pServer)
            return;
        m_strStatus.Format("Querying server at %s...", static_cast<const char*>(pServer->GetAddress()));
        ShowStatusSoon();

        // A record whose clicked query still runs counts once, when its notice comes.
        if (pServer->IsIgnored() != 1) {
            BOOL bStarted = pServer->StartQuery();
            if (bStarted || pServer->IsQuerying()) {
                if (!bStarted)
                    TakeClickNotice(pServer); // that query's notice is the poll's now
                m_pollAwaited.insert(pServer);
                return;
            }
        }
        UpdateServerItem(pServer);
        CountPollNotice();
        if (!m_bPolling)
            return;
    }
}

LRESULT CMonitorDlg::OnQueryDone(WPARAM wParam, LPARAM)
{
    if (m_bShuttingDown)
        return 0;
    CGameServer* pServer = reinterpret_cast<CGameServer*>(wParam);
    ServerNoticed(pServer);
    if (TakeClickNotice(pServer)) {
        // A poll that has queried the record anew shows it with its own notice.
        if (m_pollAwaited.count(pServer) == 0)
            UpdateServerItem(pServer);
        return 0;
    }
    // The next query goes out first: the network waits for nothing the window does.
    BOOL bCounts = m_bPolling && m_pollAwaited.erase(pServer) != 0;
    if (bCounts)
        StartNextQuery();
    UpdateServerItem(pServer);
    if (bCounts)
        CountPollNotice();
    return 0;
}

BOOL CMonitorDlg::TakeClickNotice(CGameServer* pServer)
{
    auto click = m_clickAwaited.find(pServer);
    if (click == m_clickAwaited.end())
        return FALSE;
    if (--click->second == 0)
        m_clickAwaited.erase(click);
    return TRUE;
}

void CMonitorDlg::CountPollNotice()
{
    StepProgressSoon();
    if (--m_nQueriesLeft == 0)
        EndPolling();
}

void CMonitorDlg::EndPolling()
{
    m_bPolling = FALSE;
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
