#include "ProfileFile.h"

#include <vector>

#include "SystemError.h"

CString CProfileFile::GetString(const char* pszSection, const char* pszKey, const char* pszDefault) const
{
    // The call truncates to the buffer without saying so: grow until there is room.
    for (DWORD nSize = 256;; nSize *= 2) {
        std::vector<char> buffer(nSize);
        const DWORD nRead = ::GetPrivateProfileStringA(pszSection, pszKey, pszDefault ? pszDefault : "",
                                                       buffer.data(), nSize, m_strName);
        if (nRead + 1 < nSize || nSize >= 65536)
            return CString(buffer.data(), static_cast<int>(nRead));
    }
}

BOOL CProfileFile::WriteString(const char* pszSection, const char* pszKey, const char* pszValue,
                               CString* pstrReason) const
{
    if (::WritePrivateProfileStringA(pszSection, pszKey, pszValue, m_strName))
        return TRUE;
    if (pstrReason)
        *pstrReason = LastSystemErrorText();
    return FALSE;
}

CString CProfileFile::GetPath() const
{
    if (m_strName.Find('\\') >= 0 || m_strName.Find('/') >= 0 || m_strName.Find(':') >= 0)
        return m_strName;
    char szFolder[MAX_PATH] = "";
    const UINT nLength = ::GetWindowsDirectoryA(szFolder, sizeof szFolder);
    if (nLength == 0 || nLength >= sizeof szFolder)
        return m_strName;
    CString strFolder(szFolder);
    if (strFolder.Right(1) != "\\")
        strFolder += '\\';
    return strFolder + m_strName;
}
