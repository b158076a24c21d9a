// One HTTP reply of a fetch, read as its bytes arrive: the head says whether there
// is a body to read, a redirect to follow or nothing of use; the body is then
// taken in pieces up to a cap and checked against the length the server announced.
// The transport (WinINet on Windows) only hands the bytes over.
#pragma once

#include <string>

#include "framework/CString.h"

class CWebReply {
public:
    // A bigger body is not a file of ours: the fetch fails.
    static constexpr DWORD kMaxBodyBytes = 1024 * 1024;

    enum class Next { ReadBody, Redirect, Fail };

    // strUrl: the address asked for, against which a relative redirect resolves.
    explicit CWebReply(const CString& strUrl, DWORD dwMaxBodyBytes = kMaxBodyBytes);
    virtual ~CWebReply() = default;

    // The head as the server sent it: the status line, then a line per header,
    // each ended by CR LF or LF; an empty line ends it. A success status (2xx)
    // gives a body to read unless it comes in chunks (whose end cannot be checked)
    // or announces a length that is unreadable or over the cap; 301, 302, 303,
    // 307 and 308 give a redirect when Location resolves to an address; anything
    // else fails.
    Next ReadHead(const std::string& head);
    // After Next::Redirect: the absolute address to ask next.
    const CString& GetRedirectUrl() const { return m_strRedirect; }

    // The next piece of the body. FALSE once the body is over the cap: the reply
    // is then refused, whatever follows.
    BOOL AddBody(const char* pData, size_t nLength);
    // At the end of the body: TRUE when it is whole, as long as announced (if it was).
    BOOL EndBody() const;
    const std::string& GetBody() const { return m_body; }

private:
    CString m_strUrl;
    DWORD m_dwMaxBodyBytes;
    CString m_strRedirect;
    bool m_bLengthAnnounced = false;
    size_t m_nAnnouncedLength = 0;
    bool m_bOverCap = false;
    std::string m_body;
};
