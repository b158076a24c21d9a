// The common open and save dialogs.
#pragma once

#include "Wnd.h"

#include <commdlg.h>

#include <string>

class CFileDialog {
public:
    // lpszFilter: pairs of description and patterns separated by '|', ending with
    // "||", e.g. "Programs (*.exe)|*.exe||". lpszFileName: the initial file name.
    CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;
    virtual ~CFileDialog() = default;

    // IDOK when the user chose a file, IDCANCEL otherwise (also when the path does
    // not fit the buffer).
    virtual INT_PTR DoModal();
    // The chosen file's full path.
    CString GetPathName() const { return CString(m_szFileName); }

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CWnd* m_pParentWnd;
    std::string m_strFilter;  // '|' replaced by the NUL separators the system wants
    std::string m_strDefExt;
    char m_szFileName[1024];
};
