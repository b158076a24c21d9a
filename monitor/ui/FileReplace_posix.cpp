#include "ui/ServerCollection.h"

#include <cstdio>

BOOL ReplaceFileWith(const char* pszSource, const char* pszDestination)
{
    return std::rename(pszSource, pszDestination) == 0;
}
