#include "FileReplace.h"

#include <atomic>
#include <string>

#include "SystemError.h"

static std::atomic<ReplaceStepHook> g_stepHook{nullptr};

void SetReplaceStepHook(ReplaceStepHook hook)
{
    g_stepHook = hook;
}

static void Reached(ReplaceStep step, const char* pszPath)
{
    if (ReplaceStepHook hook = g_stepHook)
        hook(step, pszPath);
}

bool ReplaceFileWhole(const char* pszPath, const char* pszMode, const std::function<bool(FILE*)>& write,
                      CString* pstrReason)
{
    // Taken before the clean-up, whose own calls could overwrite it.
    auto fail = [pstrReason] {
        if (pstrReason)
            *pstrReason = LastSystemErrorText();
        return false;
    };
    const std::string temp = std::string(pszPath) + ".tmp";
    FILE* pFile = std::fopen(temp.c_str(), pszMode);
    if (!pFile)
        return fail();
    // A full disk may only show when the buffer is flushed. Until the data is on
    // disk, a power cut after the move could leave the new name with no content.
    bool bWritten = (write(pFile) && std::fflush(pFile) == 0 && FlushFileToDisk(pFile)) || fail();
    if (bWritten)
        Reached(ReplaceStep::DataOnDisk, temp.c_str());
    if (std::fclose(pFile) != 0 && bWritten)
        bWritten = fail();
    if (bWritten && (MoveFileIntoPlace(temp.c_str(), pszPath) || fail())) {
        Reached(ReplaceStep::MovedIntoPlace, pszPath);
        return true;
    }
    std::remove(temp.c_str());
    return false;
}
