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

// The reply's head as the server sent it: status line and headers, CR LF each.
BOOL QueryHead(HINTERNET hRequest, std::string& head)
{
    head.assign(4096, '\0');
    for (;;) {
        DWORD dwSize = static_cast<DWORD>(head.size());
        if (HttpQueryInfoA(hRequest, HTTP_QUERY_RAW_HEADERS_CRLF, &head[0], &dwSize, nullptr)) {
            head.resize(dwSize);
            return TRUE;
        }
        // dwSize is then the size that it takes.
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || dwSize <= head.size())
            return FALSE;
        head.assign(dwSize, '\0');
    }
}

// Reads to the end of the body within the time left. Each read takes only what
// has arrived, so that a trickle cannot keep one read, and the fetch, going; the
// last read still waits up to the time-out set when the request was sent (Wine
// applies a receive time-out only then), so a fetch ends at most that much late.
// FALSE on a failed read, or a body the reply does not take whole.
BOOL ReadWholeBody(HINTERNET hRequest, const CFetchClock& clock, CWebReply& reply)
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
        if (!reply.AddBody(buffer, dwRead))
            return FALSE;
    }
    return reply.EndBody();
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
            CWebReply reply(strUrl);
            std::string head;
            switch (QueryHead(hRequest, head) ? reply.ReadHead(head) : CWebReply::Next::Fail) {
            case CWebReply::Next::Redirect:
                strNext = reply.GetRedirectUrl();
                hop = Hop::Redirect;
                break;
            case CWebReply::Next::ReadBody:
                if (ReadWholeBody(hRequest, clock, reply)) {
                    body = reply.GetBody();
                    hop = Hop::Body;
                }
                break;
            case CWebReply::Next::Fail:
                break;
            }
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
