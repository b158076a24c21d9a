#include "FileReplace.h"

#include <string>

#include "SystemError.h"

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
    bool bWritten = write(pFile) || fail();
    // A full disk may only show when the buffer is flushed at the close.
    if (std::fclose(pFile) != 0 && bWritten)
        bWritten = fail();
    if (bWritten && (MoveFileIntoPlace(temp.c_str(), pszPath) || fail()))
        return true;
    std::remove(temp.c_str());
    return false;
}
