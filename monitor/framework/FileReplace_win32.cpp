#include "FileReplace.h"

#include <windows.h>

bool MoveFileIntoPlace(const char* pszSource, const char* pszDestination)
{
    return MoveFileExA(pszSource, pszDestination, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
