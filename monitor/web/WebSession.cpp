#include "web/WebSession.h"

#include <wininet.h>

#include "web/WebServer.h"
#include "web/WebStartup.h"

namespace {

// The time left of one fetch. Every blocking call of the fetch gets at most what
// is left as its time-out, so that the fetch as a whole ends in time.
class CFetchClock {
public:
    explicit CFetchClock(DWORD dwBudgetMs) : m_dwStart(GetTickCount()), m_dwBudgetMs(dwBudgetMs) {}
    DWORD LeftMs() const
    {
        DWORD dwElapsed = GetTickCount() - m_dwStart;
        return dwElapsed >= m_dwBudgetMs ? 0 : m_dwBudgetMs - dwElapsed;
    }

private:
    DWORD m_dwStart;
    DWORD m_dwBudgetMs;
};

// How one request of a fetch ended.
enum class Hop { Body, Redirect, Failed, NoAnswer };

// WinINet's own time-outs apply to each connect, send and receive, not to the
// request as a whole, so they are renewed with the time left before each call.
// They are set on the request itself: a root handle's receive time-out is not
// passed down to its connections everywhere (Wine).
void SetTimeouts(HINTERNET hRequest, DWORD dwTimeoutMs)
{
    static const DWORD kTimeoutOptions[] = {
        INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
        INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_DATA_SEND_TIMEOUT,
        INTERNET_OPTION_DATA_RECEIVE_TIMEOUT,
    };
    for (DWORD option : kTimeoutOptions)
        InternetSetOptionA(hRequest, option, &dwTimeoutMs, sizeof dwTimeoutMs);
}

DWORD QueryNumber(HINTERNET hRequest, DWORD dwInfo, BOOL& bPresent)
{
    DWORD dwValue = 0;
    DWORD dwSize = sizeof dwValue;
    bPresent = HttpQueryInfoA(hRequest, dwInfo | HTTP_QUERY_FLAG_NUMBER, &dwValue, &dwSize, nullptr);
    return dwValue;
}

BOOL IsRedirectStatus(DWORD dwStatus)
{
    return dwStatus == 301 || dwStatus == 302 || dwStatus == 303 || dwStatus == 307 || dwStatus == 308;
}

// The address a redirect points at, resolved against the address asked for.
BOOL RedirectTarget(HINTERNET hRequest, const CString& strUrl, CString& strNext)
{
    char szLocation[INTERNET_MAX_URL_LENGTH + 1];
    DWORD dwSize = sizeof szLocation - 1;
    if (!HttpQueryInfoA(hRequest, HTTP_QUERY_LOCATION, szLocation, &dwSize, nullptr))
        return FALSE;
    char szNext[INTERNET_MAX_URL_LENGTH + 1];
    DWORD dwNext = sizeof szNext;
    if (!InternetCombineUrlA(strUrl, szLocation, szNext, &dwNext, ICU_NO_ENCODE))
        return FALSE;
    strNext = szNext;
    return TRUE;
}

// A chunked body cut short is taken whole by WinINet (Wine at least): its end
// cannot be checked. Requests therefore ask for HTTP/1.0, to which a server
// never sends chunks, and a reply that comes chunked anyway is refused.
BOOL IsChunked(HINTERNET hRequest)
{
    char szEncoding[64];
    DWORD dwSize = sizeof szEncoding;
    return HttpQueryInfoA(hRequest, HTTP_QUERY_TRANSFER_ENCODING, szEncoding, &dwSize, nullptr) &&
           lstrcmpiA(szEncoding, "identity") != 0;
}

// Reads to the end of the body within the time left. Each read takes only what
// has arrived, so that a trickle cannot keep one read, and the fetch, going; the
// last read still waits up to the time-out set when the request was sent (Wine
// applies a receive time-out only then), so a fetch ends at most that much late.
// FALSE on a failed read, a body over the cap, or a body shorter than the
// length the server announced (the connection closed early).
BOOL ReadWholeBody(HINTERNET hRequest, const CFetchClock& clock, std::string& body)
{
    char buffer[16384];
    for (;;) {
        DWORD dwLeft = clock.LeftMs();
        if (dwLeft == 0) // a time-out of 0 would mean none at all
            return FALSE;
        SetTimeouts(hRequest, dwLeft);
        DWORD dwAvailable = 0;
        if (!InternetQueryDataAvailable(hRequest, &dwAvailable, 0, 0))
            return FALSE;
        if (dwAvailable == 0)
            break;
        DWORD dwRead = 0;
        if (!InternetReadFile(hRequest, buffer, dwAvailable < sizeof buffer ? dwAvailable : sizeof buffer, &dwRead))
            return FALSE;
        if (dwRead == 0)
            break;
        if (body.size() + dwRead > CWebSession::kMaxBodyBytes)
            return FALSE;
        body.append(buffer, dwRead);
    }
    BOOL bAnnounced = FALSE;
    DWORD dwLength = QueryNumber(hRequest, HTTP_QUERY_CONTENT_LENGTH, bAnnounced);
    return !bAnnounced || body.size() == dwLength;
}

// One GET of one address, redirects not followed.
Hop Request(HINTERNET hRoot, const CString& strUrl, const CFetchClock& clock, std::string& body, CString& strNext)
{
    // Only http and https: the success test needs an HTTP status. Lengths of 1 ask
    // for pointers into the address itself; the host needs a copy of its own.
    char szHost[INTERNET_MAX_HOST_NAME_LENGTH + 1] = "";
    URL_COMPONENTSA url = {};
    url.dwStructSize = sizeof url;
    url.lpszHostName = szHost;
    url.dwHostNameLength = sizeof szHost;
    url.dwUrlPathLength = 1;
    url.dwExtraInfoLength = 1;
    DWORD dwLeft = clock.LeftMs();
    // A time-out of 0 would mean none at all.
    if (dwLeft == 0 || !InternetCrackUrlA(strUrl, 0, 0, &url) ||
        (url.nScheme != INTERNET_SCHEME_HTTP && url.nScheme != INTERNET_SCHEME_HTTPS))
        return Hop::Failed;

    HINTERNET hConnect = InternetConnectA(hRoot, szHost, url.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
    if (!hConnect)
        return Hop::Failed;
    // Always from the server, never from a cache; redirects are counted here.
    DWORD dwFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_AUTO_REDIRECT;
    if (url.nScheme == INTERNET_SCHEME_HTTPS)
        dwFlags |= INTERNET_FLAG_SECURE;
    CString path = CString(url.lpszUrlPath, url.dwUrlPathLength) + CString(url.lpszExtraInfo, url.dwExtraInfoLength);
    Hop hop = Hop::Failed;
    if (HINTERNET hRequest = HttpOpenRequestA(hConnect, "GET", path, "HTTP/1.0", nullptr, nullptr, dwFlags, 0)) {
        SetTimeouts(hRequest, dwLeft);
        // One attempt: retries would multiply the connect time-out.
        DWORD dwRetries = 1;
        InternetSetOptionA(hRequest, INTERNET_OPTION_CONNECT_RETRIES, &dwRetries, sizeof dwRetries);
        if (!HttpSendRequestA(hRequest, nullptr, 0, nullptr, 0)) {
            hop = Hop::NoAnswer;
        } else {
            // An error page is never a web file of ours.
            BOOL bStatus = FALSE;
            DWORD dwStatus = QueryNumber(hRequest, HTTP_QUERY_STATUS_CODE, bStatus);
            if (bStatus && IsRedirectStatus(dwStatus))
                hop = RedirectTarget(hRequest, strUrl, strNext) ? Hop::Redirect : Hop::Failed;
            else if (bStatus && dwStatus >= 200 && dwStatus <= 299)
                hop = !IsChunked(hRequest) && ReadWholeBody(hRequest, clock, body) ? Hop::Body : Hop::Failed;
        }
        InternetCloseHandle(hRequest);
    }
    InternetCloseHandle(hConnect);
    return hop;
}

} // namespace

CWebSession::CWebSession(const char* pszAgent, DWORD dwDeadlineMs)
    : m_hRoot(InternetOpenA(pszAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)),
      m_dwDeadlineMs(dwDeadlineMs), m_bServerSilent(FALSE)
{
}

CWebSession::~CWebSession()
{
    if (m_hRoot)
        InternetCloseHandle(m_hRoot);
}

BOOL CWebSession::IsServerSilent() const
{
    CWebStartup* pStartup = CWebStartup::Current();
    return m_bServerSilent || (pStartup && pStartup->IsServerSilent());
}

void CWebSession::SetServerSilent()
{
    m_bServerSilent = TRUE;
    if (CWebStartup* pStartup = CWebStartup::Current())
        pStartup->SetServerSilent();
}

BOOL CWebSession::Fetch(const char* pszFileName, CString& text)
{
    return FetchUrl(WebFileUrl(pszFileName), text);
}

BOOL CWebSession::FetchUrl(const char* pszUrl, CString& text)
{
    if (!m_hRoot || IsServerSilent())
        return FALSE;
    CFetchClock clock(m_dwDeadlineMs);
    CString strUrl = pszUrl;
    for (int nRedirects = 0; nRedirects <= kMaxRedirects; ++nRedirects) {
        std::string body;
        CString strNext;
        switch (Request(static_cast<HINTERNET>(m_hRoot), strUrl, clock, body, strNext)) {
        case Hop::Body:
            text = CString(body);
            return TRUE;
        case Hop::Redirect:
            strUrl = strNext;
            break;
        case Hop::NoAnswer:
            // Only the first request tells: past a redirect the server did answer.
            if (nRedirects == 0)
                SetServerSilent();
            return FALSE;
        case Hop::Failed:
            return FALSE;
        }
    }
    return FALSE;
}
