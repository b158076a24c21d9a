#include "ui/MonitorDlg.h"

#include "ui/ServerListRules.h"

// A poll changes the lists, the status line and the progress bar thousands of
// times a second, and each change would repaint at once (or re-measure every row,
// for the column widths). The changes are made with painting held, and shown in
// one go when the timer fires: WM_TIMER comes only when no other message waits,
// and the delay bounds how often a long list is measured.
static const UINT_PTR kDisplayTimer = 1;
static const UINT kDisplayDelayMs = 150;

CMonitorDlg::CDeferredList& CMonitorDlg::Deferred(CListCtrl& list)
{
    return &list == &m_listServers ? m_deferServers : m_deferPlayers;
}

void CMonitorDlg::ScheduleDisplay()
{
    if (!m_bDisplayScheduled) {
        m_bDisplayScheduled = TRUE;
        SetTimer(kDisplayTimer, kDisplayDelayMs, nullptr);
    }
}

void CMonitorDlg::HoldPaint(CListCtrl& list)
{
    CDeferredList& deferred = Deferred(list);
    if (!deferred.bPaintHeld) {
        list.SetRedraw(FALSE);
        deferred.bPaintHeld = TRUE;
    }
    ScheduleDisplay();
}

void CMonitorDlg::RequestAutoSize(CListCtrl& list)
{
    Deferred(list).bSizePending = TRUE;
    ScheduleDisplay();
}

void CMonitorDlg::ShowStatusSoon()
{
    m_bStatusPending = TRUE;
    ScheduleDisplay();
}

void CMonitorDlg::StepProgressSoon()
{
    ++m_nProgressPos;
    ScheduleDisplay();
}

void CMonitorDlg::ShowDeferred(CListCtrl& list, int nColumns)
{
    CDeferredList& deferred = Deferred(list);
    if (deferred.bSizePending) {
        for (int i = 0; i < nColumns; ++i)
            list.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
    }
    if (deferred.bPaintHeld) {
        list.SetRedraw(TRUE);
        list.Invalidate(FALSE);
    }
    deferred = CDeferredList();
}

void CMonitorDlg::ShowDisplayNow()
{
    if (m_bDisplayScheduled) {
        KillTimer(kDisplayTimer);
        m_bDisplayScheduled = FALSE;
    }
    ShowDeferred(m_listServers, SERVER_COLUMN_COUNT);
    ShowDeferred(m_listPlayers, PLAYER_COLUMN_COUNT);
    if (m_bStatusPending) {
        m_bStatusPending = FALSE;
        UpdateData(FALSE);
    }
    if (m_progress.GetPos() != m_nProgressPos)
        m_progress.SetPos(m_nProgressPos);
}

void CMonitorDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kDisplayTimer)
        ShowDisplayNow();
    else
        CDialog::OnTimer(nIDEvent);
}
