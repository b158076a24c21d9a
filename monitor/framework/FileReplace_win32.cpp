#include "FileReplace.h"

#include <io.h>
#include <windows.h>

bool FlushFileToDisk(FILE* pFile)
{
    HANDLE hFile = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pFile)));
    return hFile != INVALID_HANDLE_VALUE && FlushFileBuffers(hFile);
}

bool MoveFileIntoPlace(const char* pszSource, const char* pszDestination)
{
    // Write-through: the call returns once the new name is on disk.
    return MoveFileExA(pszSource, pszDestination, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
