// Web addresses: a reference resolved against the address it was met at, as a
// redirect's Location is against the address asked for.
#pragma once

#include "framework/CString.h"

// The longest address the system's URL functions take: nothing longer is followed.
constexpr int kMaxWebUrlLength = 2083;

// Resolves strReference (absolute, "//host/...", "/path", "path", "?query", ...)
// against the absolute address strBase, dot segments removed, the way browsers do.
// FALSE when strBase has no scheme, or either address or the result is longer than
// kMaxWebUrlLength or holds a control character; strResult is then unchanged.
BOOL ResolveWebUrl(const CString& strBase, const CString& strReference, CString& strResult);
