// One WinINet session with the project's web server: a root handle that serves
// every fetch of the start-up, and the fetch of one web file as text.
#pragma once

#include "framework/CString.h"
#include "web/WebReply.h"

class CWebSession {
public:
    // Each fetch, redirects included, ends within this time whatever the server
    // does: one that never answers or trickles its reply must not hold the start-up.
    static constexpr DWORD kDefaultDeadlineMs = 2500;
    static constexpr DWORD kMaxBodyBytes = CWebReply::kMaxBodyBytes;
    // A server that redirects to itself would otherwise be followed for ever.
    static constexpr int kMaxRedirects = 5;

    // Opens the root handle with the given agent string (the application's name)
    // and the system's proxy settings.
    explicit CWebSession(const char* pszAgent, DWORD dwDeadlineMs = kDefaultDeadlineMs);
    virtual ~CWebSession();
    CWebSession(const CWebSession&) = delete;
    CWebSession& operator=(const CWebSession&) = delete;

    BOOL IsOpen() const { return m_hRoot != nullptr; }

    // Fetches a web file of the project's web server (WebFileUrl) from the server
    // itself, never from a cache. TRUE with the whole body in text when the server
    // answered with a success status and sent the body whole; FALSE otherwise,
    // text unchanged. Once the server has not answered at all (refused, or no reply
    // in time), later fetches of this session and of the current start-up
    // (CWebStartup) fail at once.
    BOOL Fetch(const char* pszFileName, CString& text);
    BOOL FetchUrl(const char* pszUrl, CString& text);

private:
    BOOL IsServerSilent() const;
    void SetServerSilent();

    void* m_hRoot; // HINTERNET, kept opaque so that callers need no WinINet header
    DWORD m_dwDeadlineMs;
    BOOL m_bServerSilent;
};
