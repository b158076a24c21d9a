#include "web/WebServer.h"

// Set once at start-up on the GUI thread, before any query thread reads it.
static CString g_strWebServerBase = KELVANE_DEFAULT_WEB_SERVER;

CString NormalizeWebServerBase(const CString& strSetting)
{
    CString base = strSetting;
    base.Trim();
    if (base.IsEmpty())
        return KELVANE_DEFAULT_WEB_SERVER;
    // "127.0.0.1:18080/web" is a host, not a scheme: only "://" marks one.
    if (base.Find("://") < 0)
        base = "http://" + base;
    if (base.Right(1) != "/")
        base += '/';
    return base;
}

void SetWebServerBase(const CString& strBase)
{
    g_strWebServerBase = NormalizeWebServerBase(strBase);
}

CString WebFileUrl(const char* pszFileName)
{
    return g_strWebServerBase + pszFileName;
}
