#include "Platform.h"

#include <unistd.h>

#include <chrono>
#include <climits>

DWORD AfxGetTickCount()
{
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

CString AfxGetCurrentDirectory()
{
    char szFolder[PATH_MAX] = "";
    return getcwd(szFolder, sizeof szFolder) ? CString(szFolder) : CString();
}

CString AfxPathIn(const CString& strFolder, const char* pszName)
{
    if (strFolder.IsEmpty())
        return pszName;
    return strFolder.GetAt(strFolder.GetLength() - 1) == '/' ? strFolder + pszName : strFolder + "/" + pszName;
}
