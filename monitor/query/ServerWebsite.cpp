#include "query/ServerWebsite.h"

static const char kScheme[] = "http://";
static const int kSchemeLength = sizeof kScheme - 1;

// Set on the GUI thread before the first query thread reads it.
static CString g_strNoWebsite;

CString WebsitePage(const CString& strWebsite)
{
    CString strPage = strWebsite;
    strPage.Trim();
    CString strScheme = strPage.Left(kSchemeLength);
    strScheme.MakeLower();
    return strScheme == kScheme ? strPage.Mid(kSchemeLength) : strPage;
}

CString WebsiteAddress(const CString& strPage)
{
    return strPage.IsEmpty() ? g_strNoWebsite : kScheme + strPage;
}

void SetNoWebsiteAddress(const CString& strAddress)
{
    g_strNoWebsite = strAddress;
}
