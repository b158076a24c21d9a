#include "web/WebSession.h"

#include <wininet.h>

#include "web/WebServer.h"

CWebSession::CWebSession(const char* pszAgent, DWORD dwTimeoutMs)
    : m_hRoot(InternetOpenA(pszAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0))
{
    if (!m_hRoot)
        return;
    // Set on the root handle, the limits hold for every connection made through it.
    static const DWORD kTimeoutOptions[] = {
        INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
        INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_DATA_SEND_TIMEOUT,
        INTERNET_OPTION_DATA_RECEIVE_TIMEOUT,
    };
    for (DWORD option : kTimeoutOptions)
        InternetSetOptionA(m_hRoot, option, &dwTimeoutMs, sizeof dwTimeoutMs);
    // One attempt: retries would multiply the connect time-out.
    DWORD dwRetries = 1;
    InternetSetOptionA(m_hRoot, INTERNET_OPTION_CONNECT_RETRIES, &dwRetries, sizeof dwRetries);
}

CWebSession::~CWebSession()
{
    if (m_hRoot)
        InternetCloseHandle(m_hRoot);
}

BOOL CWebSession::Fetch(const char* pszFileName, CString& text)
{
    return FetchUrl(WebFileUrl(pszFileName), text);
}

// An error page is never a web file of ours; neither is a reply that is not HTTP.
static BOOL IsSuccessStatus(HINTERNET hUrl)
{
    DWORD dwStatus = 0;
    DWORD dwSize = sizeof dwStatus;
    if (!HttpQueryInfoA(hUrl, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &dwStatus, &dwSize, nullptr))
        return FALSE;
    return dwStatus >= 200 && dwStatus <= 299;
}

// Reads to the end of the body; FALSE on a failed read or a body over the cap.
static BOOL ReadWholeBody(HINTERNET hUrl, std::string& body)
{
    char buffer[16384];
    for (;;) {
        DWORD dwRead = 0;
        if (!InternetReadFile(hUrl, buffer, sizeof buffer, &dwRead))
            return FALSE;
        if (dwRead == 0)
            return TRUE;
        if (body.size() + dwRead > CWebSession::kMaxBodyBytes)
            return FALSE;
        body.append(buffer, dwRead);
    }
}

BOOL CWebSession::FetchUrl(const char* pszUrl, CString& text)
{
    if (!m_hRoot)
        return FALSE;
    HINTERNET hUrl = InternetOpenUrlA(m_hRoot, pszUrl, nullptr, 0, INTERNET_FLAG_RELOAD, 0);
    if (!hUrl)
        return FALSE;
    std::string body;
    BOOL bOk = IsSuccessStatus(hUrl) && ReadWholeBody(hUrl, body);
    InternetCloseHandle(hUrl);
    if (bOk)
        text = CString(body);
    return bOk;
}
