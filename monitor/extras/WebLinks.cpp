#include "extras/WebLinks.h"

#include "extras/SelectedServer.h"
#include "extras/ServerPageUrl.h"
#include "query/GameServer.h"

const char* const g_aszCharityUrls[4] = {
    "https://www.msf.org/",
    "https://www.unicef.org/",
    "https://www.worldwildlife.org/",
    "https://www.oxfam.org/",
};

CString BrowserFailureMessage(const CString& strUrl)
{
    return "There was an error while attempting to open a browser window!\nYou will have to browse to "
           + strUrl + " manually.";
}

BOOL OpenInBrowser(CWnd* pOwner, const CString& strUrl)
{
    HINSTANCE hResult = ShellExecuteA(pOwner->GetSafeHwnd(), "open", strUrl, nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(hResult) > 32)
        return TRUE;
    AfxMessageBox(BrowserFailureMessage(strUrl));
    return FALSE;
}

void VisitSelectedServerWebsite(CWnd* pOwner, CSortedListCtrl& listServers)
{
    CGameServer* pServer = SelectedServerOrExplain(listServers);
    // One read: a query may rewrite the page meanwhile, and the message must
    // name the address that failed. The page is whatever a server sent: only
    // its one safe address goes to the shell.
    if (pServer)
        OpenInBrowser(pOwner, ServerPageUrl(pServer->GetWebsite()));
}
