// Writing a file whole or not at all, for both programs: the content goes to a
// file beside it, which reaches the disk and then takes the old file's place in
// one step, so that a full disk, a crash or a power cut never leaves half a file
// (or an empty one) behind.
#pragma once

#include <cstdio>
#include <functional>

#include "CString.h"

// write puts the content into the file it is handed (opened with pszMode, "w" or
// "wb") and says whether all of it went out. True once the new content is on disk
// in place; false when it could not be stored, and the earlier file is then as it
// was and no file is left beside it. On failure, pstrReason (when given) gets the
// system's reason, taken at the call that failed.
bool ReplaceFileWhole(const char* pszPath, const char* pszMode, const std::function<bool(FILE*)>& write,
                      CString* pstrReason = nullptr);

// One implementation per platform of each. Both set the system's error on failure.
// Sends a written file's data to the disk; false when the system cannot.
bool FlushFileToDisk(FILE* pFile);
// Moves a finished file over its destination in one step, durably; false when the
// move failed (the destination is then unchanged) or could not be made durable.
bool MoveFileIntoPlace(const char* pszSource, const char* pszDestination);

// Test seam: each step of a replace that has reached the disk, as it happens:
// the new file's data (pszPath the file beside the destination), then the move
// (pszPath the destination). nullptr: none.
enum class ReplaceStep { DataOnDisk, MovedIntoPlace };
using ReplaceStepHook = void (*)(ReplaceStep step, const char* pszPath);
void SetReplaceStepHook(ReplaceStepHook hook);
