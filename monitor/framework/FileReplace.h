// Writing a file whole or not at all, for both programs: the content goes to a
// file beside it, which then takes the old file's place in one step, so that a
// full disk or a crash never leaves half a file behind.
#pragma once

#include <cstdio>
#include <functional>

#include "CString.h"

// write puts the content into the file it is handed (opened with pszMode, "w" or
// "wb") and says whether all of it went out. True once the new content is in
// place; false when it could not be stored, and the earlier file is then as it
// was and no file is left beside it. On failure, pstrReason (when given) gets the
// system's reason, taken at the call that failed.
bool ReplaceFileWhole(const char* pszPath, const char* pszMode, const std::function<bool(FILE*)>& write,
                      CString* pstrReason = nullptr);

// Moves a finished file over its destination in one step; false on failure (the
// destination is then unchanged). One implementation per platform.
bool MoveFileIntoPlace(const char* pszSource, const char* pszDestination);
