#include "web/WebSession.h"

#include <wininet.h>

#include "web/WebServer.h"

CWebSession::CWebSession(const char* pszAgent, DWORD dwTimeoutMs)
    : m_hRoot(InternetOpenA(pszAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)),
      m_dwTimeoutMs(dwTimeoutMs)
{
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

// An error page is never a web file of ours.
static BOOL IsSuccessStatus(HINTERNET hRequest)
{
    DWORD dwStatus = 0;
    DWORD dwSize = sizeof dwStatus;
    if (!HttpQueryInfoA(hRequest, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &dwStatus, &dwSize, nullptr))
        return FALSE;
    return dwStatus >= 200 && dwStatus <= 299;
}

// Reads to the end of the body; FALSE on a failed read or a body over the cap.
static BOOL ReadWholeBody(HINTERNET hRequest, std::string& body)
{
    char buffer[16384];
    for (;;) {
        DWORD dwRead = 0;
        if (!InternetReadFile(hRequest, buffer, sizeof buffer, &dwRead))
            return FALSE;
        if (dwRead == 0)
            return TRUE;
        if (body.size() + dwRead > CWebSession::kMaxBodyBytes)
            return FALSE;
        body.append(buffer, dwRead);
    }
}

// The time-outs are set on the request itself: a root handle's receive time-out is
// not passed down to its connections everywhere (Wine), and without one a server
// that accepts the connection but never answers holds the fetch for ever.
static void SetTimeouts(HINTERNET hRequest, DWORD dwTimeoutMs)
{
    static const DWORD kTimeoutOptions[] = {
        INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
        INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_DATA_SEND_TIMEOUT,
        INTERNET_OPTION_DATA_RECEIVE_TIMEOUT,
    };
    for (DWORD option : kTimeoutOptions)
        InternetSetOptionA(hRequest, option, &dwTimeoutMs, sizeof dwTimeoutMs);
    // One attempt: retries would multiply the connect time-out.
    DWORD dwRetries = 1;
    InternetSetOptionA(hRequest, INTERNET_OPTION_CONNECT_RETRIES, &dwRetries, sizeof dwRetries);
}

// Sends a GET of the cracked address; the request handle, or null.
static HINTERNET SendGet(HINTERNET hConnect, const URL_COMPONENTSA& url, DWORD dwTimeoutMs)
{
    DWORD dwFlags = INTERNET_FLAG_RELOAD; // always from the server, never from a cache
    if (url.nScheme == INTERNET_SCHEME_HTTPS)
        dwFlags |= INTERNET_FLAG_SECURE;
    CString path = CString(url.lpszUrlPath, url.dwUrlPathLength) +
                   CString(url.lpszExtraInfo, url.dwExtraInfoLength);
    HINTERNET hRequest = HttpOpenRequestA(hConnect, "GET", path, nullptr, nullptr, nullptr, dwFlags, 0);
    if (!hRequest)
        return nullptr;
    SetTimeouts(hRequest, dwTimeoutMs);
    if (!HttpSendRequestA(hRequest, nullptr, 0, nullptr, 0)) {
        InternetCloseHandle(hRequest);
        return nullptr;
    }
    return hRequest;
}

BOOL CWebSession::FetchUrl(const char* pszUrl, CString& text)
{
    if (!m_hRoot)
        return FALSE;
    // Only http and https: the success test needs an HTTP status. Lengths of 1 ask
    // for pointers into pszUrl itself; the host needs a copy of its own.
    char szHost[INTERNET_MAX_HOST_NAME_LENGTH + 1] = "";
    URL_COMPONENTSA url = {};
    url.dwStructSize = sizeof url;
    url.lpszHostName = szHost;
    url.dwHostNameLength = sizeof szHost;
    url.dwUrlPathLength = 1;
    url.dwExtraInfoLength = 1;
    if (!InternetCrackUrlA(pszUrl, 0, 0, &url) ||
        (url.nScheme != INTERNET_SCHEME_HTTP && url.nScheme != INTERNET_SCHEME_HTTPS))
        return FALSE;

    HINTERNET hConnect = InternetConnectA(m_hRoot, szHost, url.nPort, nullptr, nullptr,
                                          INTERNET_SERVICE_HTTP, 0, 0);
    if (!hConnect)
        return FALSE;
    std::string body;
    BOOL bOk = FALSE;
    if (HINTERNET hRequest = SendGet(hConnect, url, m_dwTimeoutMs)) {
        bOk = IsSuccessStatus(hRequest) && ReadWholeBody(hRequest, body);
        InternetCloseHandle(hRequest);
    }
    InternetCloseHandle(hConnect);
    if (bOk)
        text = CString(body);
    return bOk;
}
