// What the web fetches of one start-up learn together about the project's web
// server: once it has not answered at all, the later fetches of the same start-up
// fail at once instead of each waiting out its own time-out. An HTTP error or a
// missing file is an answer and changes nothing.
#pragma once

#include "framework/Types.h"

class CWebStartup {
public:
    // Lives on the stack of the start-up; the sessions opened while it lives
    // share it. Start-ups nest (the innermost is current), they never overlap.
    CWebStartup();
    virtual ~CWebStartup();
    CWebStartup(const CWebStartup&) = delete;
    CWebStartup& operator=(const CWebStartup&) = delete;

    // The start-up in progress on this (the GUI) thread, or null.
    static CWebStartup* Current();

    BOOL IsServerSilent() const { return m_bServerSilent; }
    void SetServerSilent() { m_bServerSilent = TRUE; }

private:
    BOOL m_bServerSilent;
    CWebStartup* m_pOuter;
};
