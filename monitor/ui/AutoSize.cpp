#include "ui/MonitorDlg.h"

#include "ui/ServerListRules.h"

// WM_TIMER comes only when no other message waits, so one sizing covers a whole
// burst of changes; the delay bounds how often a long list is measured.
static const UINT_PTR kAutoSizeTimer = 1;
static const UINT kAutoSizeDelayMs = 150;

void CMonitorDlg::RequestAutoSize(CListCtrl& list)
{
    BOOL& bPending = &list == &m_listServers ? m_bServerSizePending : m_bPlayerSizePending;
    if (bPending)
        return;
    bPending = TRUE;
    SetTimer(kAutoSizeTimer, kAutoSizeDelayMs, nullptr);
}

void CMonitorDlg::AutoSizeColumns(CListCtrl& list, int nColumns)
{
    list.SetRedraw(FALSE);
    for (int i = 0; i < nColumns; ++i)
        list.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
    list.SetRedraw(TRUE);
    list.Invalidate(FALSE);
}

void CMonitorDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAutoSizeTimer) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kAutoSizeTimer);
    BOOL bServers = m_bServerSizePending, bPlayers = m_bPlayerSizePending;
    m_bServerSizePending = m_bPlayerSizePending = FALSE;
    if (bServers)
        AutoSizeColumns(m_listServers, SERVER_COLUMN_COUNT);
    if (bPlayers)
        AutoSizeColumns(m_listPlayers, 3);
}
