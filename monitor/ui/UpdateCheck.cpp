// The start-up check for a newer build.
#include "ui/MonitorDlg.h"

#include "web/BuildNumber.h"
#include "web/WebSession.h"

bool CMonitorDlg::CheckForUpdate(int& build)
{
    m_strStatus = "Checking for updates...";
    UpdateData(FALSE);

    // A failed fetch (no connection, an error status, a time-out) is not a build
    // number; the master list fetch that follows replaces the status text.
    CWebSession session(AfxGetAppName());
    CString strText;
    if (!session.IsOpen() || !session.Fetch("build.txt", strText))
        return false;
    if (IsNewerBuild(strText, build))
        return true;

    m_strStatus = "Done checking for updates!";
    UpdateData(FALSE);
    return false;
}
