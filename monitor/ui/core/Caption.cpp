#include "ui/core/Caption.h"

#include "ui/core/ListMode.h"

CString TotalsCaption(int nServers, int nPlayers, int nListMode, int nHidden)
{
    CString s;
    s.Format("%s (%d Servers, %d Players Online) Now showing %s servers", MONITOR_TITLE, nServers, nPlayers,
             ListModeName(nListMode));
    CString strEnd;
    if (nHidden > 0)
        strEnd.Format(", %d hidden by filters.", nHidden);
    else
        strEnd = ".";
    return s + strEnd;
}

CString PollingCaption()
{
    CString s;
    s.Format("%s (Polling Servers...)", MONITOR_TITLE);
    return s;
}
