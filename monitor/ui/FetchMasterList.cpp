#include "ui/MonitorDlg.h"

#include "web/MasterList.h"
#include "web/WebSession.h"

// The ticker measures and draws the whole news text 20 times a second, so a
// news file far beyond one line would keep the window busy: keep the first
// 32,000 bytes, as much as the news ever held.
static const int MAX_NEWS_LENGTH = 32000;

BOOL CMonitorDlg::FetchMasterList()
{
    m_strStatus = "Contacting master server...";
    UpdateData(FALSE);

    CWebSession session(AfxGetAppName());
    CString strBody;
    if (session.IsOpen() && session.Fetch("gameservers.txt", strBody)) {
        CStringArray lines;
        SplitMasterList(strBody, lines);
        for (const CString& strLine : lines)
            AddServer(new CGameServer(strLine), FALSE);
    } else {
        // Players still find their servers on the evening the web host is down.
        m_core.UseLastMasterList();
    }
    if (!session.IsOpen())
        return FALSE;

    CString strNews;
    if (session.Fetch("news.txt", strNews))
        m_strNews = strNews.Left(MAX_NEWS_LENGTH);

    m_strStatus = "";
    UpdateData(FALSE);
    return TRUE;
}
