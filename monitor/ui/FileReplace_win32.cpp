#include "ui/ServerCollection.h"

BOOL ReplaceFileWith(const char* pszSource, const char* pszDestination)
{
    return MoveFileExA(pszSource, pszDestination, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
