#include "web/WebServer.h"

// Set once at start-up on the GUI thread, before any query thread reads it.
static CString g_strWebServerBase = KELVANE_DEFAULT_WEB_SERVER;

CString GetWebServerBase()
{
    return g_strWebServerBase;
}

void SetWebServerBase(const CString& strBase)
{
    CString base = strBase;
    base.Trim();
    if (base.IsEmpty())
        base = KELVANE_DEFAULT_WEB_SERVER;
    if (base.Right(1) != "/")
        base += '/';
    g_strWebServerBase = base;
}

CString WebFileUrl(const char* pszFileName)
{
    return g_strWebServerBase + pszFileName;
}
