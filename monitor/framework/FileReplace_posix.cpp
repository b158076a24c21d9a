#include "FileReplace.h"

bool MoveFileIntoPlace(const char* pszSource, const char* pszDestination)
{
    return std::rename(pszSource, pszDestination) == 0;
}
