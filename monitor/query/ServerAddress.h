// A server's address text, "host" or "host:port", split where every user of it
// splits it: at the first colon.
#pragma once

#include "framework/CString.h"

struct CServerAddress {
    CString strHost;      // before the first colon; the whole text without one
    CString strPort;      // after it, as written; empty without one
    BOOL bHasColon = FALSE;
};

CServerAddress SplitServerAddress(const CString& strAddress);
