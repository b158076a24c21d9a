#include "ui/core/Caption.h"

#include "ui/core/ListMode.h"

CString TotalsCaption(int nServers, int nPlayers, int nListMode)
{
    CString s;
    s.Format("%s (%d Servers, %d Players Online) Now showing %s servers.", MONITOR_TITLE, nServers,
             nPlayers, ListModeName(nListMode));
    return s;
}

CString PollingCaption()
{
    CString s;
    s.Format("%s (Polling Servers...)", MONITOR_TITLE);
    return s;
}
