#include "ui/MonitorDlg.h"

#include "web/MasterList.h"
#include "web/WebSession.h"

BOOL CMonitorDlg::FetchMasterList()
{
    m_strStatus = "Contacting master server...";
    UpdateData(FALSE);

    CWebSession session(AfxGetAppName());
    if (!session.IsOpen())
        return FALSE;

    CString strBody;
    if (session.Fetch("gameservers.txt", strBody)) {
        CStringArray lines;
        SplitMasterList(strBody, lines);
        for (const CString& strLine : lines)
            AddServer(new CGameServer(strLine), FALSE);
    }
    session.Fetch("news.txt", m_strNews);

    m_strStatus = "";
    UpdateData(FALSE);
    return TRUE;
}
