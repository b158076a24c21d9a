// Web pages opened in the user's browser: a server's own page, the charity
// banners and the project's home page behind the logo.
#pragma once

#include "framework/Framework.h"
#include "framework/SortedListCtrl.h"

// The charities' home pages, in the order of the banners 1 to 4.
extern const char* const g_aszCharityUrls[4];

// What the user reads when the shell could not open strUrl.
CString BrowserFailureMessage(const CString& strUrl);

// Opens strUrl in the browser; on failure shows BrowserFailureMessage.
// TRUE when the shell accepted it.
BOOL OpenInBrowser(CWnd* pOwner, const CString& strUrl);

// Opens the web page of the server selected in the list.
void VisitSelectedServerWebsite(CWnd* pOwner, CSortedListCtrl& listServers);
