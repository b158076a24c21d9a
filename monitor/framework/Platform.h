// The few system services the portable core asks of its platform.
#pragma once

#include "CString.h"

// Milliseconds since some fixed moment; wraps after 49.7 days, as the system's tick count.
DWORD AfxGetTickCount();
// The process's current folder, without a closing separator; empty when it cannot be read.
CString AfxGetCurrentDirectory();
// strName in strFolder: the folder, a separator and the name.
CString AfxPathIn(const CString& strFolder, const char* pszName);
