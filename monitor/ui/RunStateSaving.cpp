#include "ui/MonitorDlg.h"

#include "ui/MonitorSettings.h"

void CMonitorDlg::WriteRunSettings(int nNumQueryThreads, int nServerListMode)
{
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileString(SETTINGS_SECTION, SETTING_NUM_QUERY_THREADS, SettingText(nNumQueryThreads));
    pApp->WriteProfileString(SETTINGS_SECTION, SETTING_SERVER_LIST_MODE, SettingText(nServerListMode));
}

// The records are copied under their locks, so queries may run meanwhile; the
// copy is all the window thread does for a save.
CRunState CMonitorDlg::CurrentRunState() const
{
    CRunState state;
    state.nNumQueryThreads = m_poll.GetBudget();
    state.nServerListMode = m_nServerListMode;
    state.records = m_servers.Snapshot();
    return state;
}

// Until start-up has read the settings and the server list, writing would put
// defaults and a list without the stored favourites over them; after the final
// write, nothing more is written.
void CMonitorDlg::RunStateChanged()
{
    if (!m_bRunStateRead || m_bRunStateSaved)
        return;
    m_saveSchedule.Changed(::GetTickCount());
    ScheduleSave();
}

// Starts the write when it is due, or sets the timer for it.
void CMonitorDlg::ScheduleSave()
{
    KillTimer(kSaveTimer);
    if (m_bRunStateSaved)
        return;
    const DWORD dwDueIn = m_saveSchedule.DueIn(::GetTickCount());
    if (dwDueIn == CSaveSchedule::NEVER)
        return;
    if (dwDueIn > 0) {
        SetTimer(kSaveTimer, dwDueIn, nullptr);
        return;
    }
    m_saveSchedule.WriteStarted();
    m_saver.SaveSoon(CurrentRunState());
}

LRESULT CMonitorDlg::OnRunStateSaved(WPARAM, LPARAM)
{
    m_saveSchedule.WriteEnded();
    ReportSaveFailure();
    ScheduleSave();
    return 0;
}

void CMonitorDlg::ReportSaveFailure()
{
    CString strReason;
    if (m_saver.TakeFailureToReport(strReason))
        AfxMessageBox(ServerListSaveFailedMessage(strReason), MB_OK);
}

// At shut-down or when the Windows session ends, whichever comes first. A box
// at the session end would stall the log-off, so that failure goes unreported.
void CMonitorDlg::SaveRunState(BOOL bReportFailure)
{
    if (!m_bRunStateRead || m_bRunStateSaved)
        return;
    m_bRunStateSaved = TRUE;
    KillTimer(kSaveTimer);
    m_saver.SaveNow(CurrentRunState());
    if (bReportFailure)
        ReportSaveFailure();
}
