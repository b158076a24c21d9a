#include "Platform.h"

DWORD AfxGetTickCount()
{
    return ::GetTickCount();
}

CString AfxGetCurrentDirectory()
{
    char szFolder[MAX_PATH] = "";
    const DWORD nLength = ::GetCurrentDirectoryA(sizeof szFolder, szFolder);
    if (nLength == 0 || nLength >= sizeof szFolder)
        return CString();
    return CString(szFolder, static_cast<int>(nLength));
}

CString AfxPathIn(const CString& strFolder, const char* pszName)
{
    if (strFolder.IsEmpty())
        return pszName;
    const char chLast = strFolder.GetAt(strFolder.GetLength() - 1);
    return chLast == '\\' || chLast == '/' ? strFolder + pszName : strFolder + "\\" + pszName;
}
