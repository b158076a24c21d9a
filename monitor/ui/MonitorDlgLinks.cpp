// Joining a server and the web links; the work is done by the extras' free
// functions and the windows over this one.
#include "ui/MonitorDlg.h"

#include "extras/WebLinks.h"
#include "web/WebServer.h"

void CMonitorDlg::OnJoinServer()
{
    m_windows.Join();
}

// Joins whatever row is selected: the first click of the double-click selected it.
void CMonitorDlg::OnDblclkServerList(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    OnJoinServer();
    *pResult = 0;
}

void CMonitorDlg::OnVisitWebsite()
{
    VisitSelectedServerWebsite(this, m_listServers);
}

void CMonitorDlg::OnBanner1() { OpenInBrowser(this, g_aszCharityUrls[0]); }
void CMonitorDlg::OnBanner2() { OpenInBrowser(this, g_aszCharityUrls[1]); }
void CMonitorDlg::OnBanner3() { OpenInBrowser(this, g_aszCharityUrls[2]); }
void CMonitorDlg::OnBanner4() { OpenInBrowser(this, g_aszCharityUrls[3]); }

void CMonitorDlg::OnLogo()
{
    OpenInBrowser(this, WebFileUrl("gohome.html"));
}

void CMonitorDlg::OnAddServer()
{
    ShellExecuteA(GetSafeHwnd(), nullptr, WebFileUrl("getdetails.php"), nullptr, nullptr, SW_SHOWNORMAL);
}
