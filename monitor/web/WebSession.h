// One WinINet session with the project's web server: a root handle that serves
// every fetch of the start-up, and the fetch of one web file as text.
#pragma once

#include "framework/CString.h"

class CWebSession {
public:
    // A web server that never answers must not hold the start-up for minutes.
    static constexpr DWORD kDefaultTimeoutMs = 5000;
    // A bigger body is not a file of ours: the fetch fails.
    static constexpr DWORD kMaxBodyBytes = 1024 * 1024;

    // Opens the root handle with the given agent string (the application's name)
    // and the system's proxy settings; the time-out bounds each connect, send and
    // receive of a fetch.
    explicit CWebSession(const char* pszAgent, DWORD dwTimeoutMs = kDefaultTimeoutMs);
    virtual ~CWebSession();
    CWebSession(const CWebSession&) = delete;
    CWebSession& operator=(const CWebSession&) = delete;

    BOOL IsOpen() const { return m_hRoot != nullptr; }

    // Fetches a web file of the project's web server (WebFileUrl) from the server
    // itself, never from a cache. TRUE with the whole body in text when the server
    // answered with a success status; FALSE otherwise, text unchanged.
    BOOL Fetch(const char* pszFileName, CString& text);
    BOOL FetchUrl(const char* pszUrl, CString& text);

private:
    void* m_hRoot; // HINTERNET, kept opaque so that callers need no WinINet header
    DWORD m_dwTimeoutMs;
};
