#include "FileReplace.h"

#include <string>

bool ReplaceFileWhole(const char* pszPath, const char* pszMode, const std::function<bool(FILE*)>& write)
{
    const std::string temp = std::string(pszPath) + ".tmp";
    FILE* pFile = std::fopen(temp.c_str(), pszMode);
    if (!pFile)
        return false;
    bool bWritten = write(pFile);
    // A full disk may only show when the buffer is flushed at the close.
    bWritten = std::fclose(pFile) == 0 && bWritten;
    if (bWritten && MoveFileIntoPlace(temp.c_str(), pszPath))
        return true;
    std::remove(temp.c_str());
    return false;
}
