#include "ui/core/LineFile.h"

#include "framework/FileReplace.h"

BOOL SaveLineFile(const CString& strPath, const CString& strText, CString* pstrReason)
{
    const std::string& text = strText.str();
    return ReplaceFileWhole(strPath, "w", [&text](FILE* pFile) {
        return std::fwrite(text.data(), 1, text.size(), pFile) == text.size();
    }, pstrReason) ? TRUE : FALSE;
}
