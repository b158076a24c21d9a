// The settings file: keys in sections of an INI file, read and written at each
// call, so that nothing is cached between a program's start and its end.
#pragma once

#include "CString.h"

class CProfileFile {
public:
    // A bare file name lies where the system keeps such files (on Windows, the
    // Windows folder); a path is used as it is.
    explicit CProfileFile(const CString& strName) : m_strName(strName) {}
    virtual ~CProfileFile() = default;

    // The stored text, or pszDefault when the key is absent.
    CString GetString(const char* pszSection, const char* pszKey, const char* pszDefault = "") const;
    // FALSE, with the system's reason when asked for, when the value was not stored.
    BOOL WriteString(const char* pszSection, const char* pszKey, const char* pszValue,
                     CString* pstrReason = nullptr) const;
    // The file's full path, as a message names it.
    CString GetPath() const;

private:
    CString m_strName;
};
