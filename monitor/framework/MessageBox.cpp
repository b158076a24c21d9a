#include "MessageBox.h"

#include "WinApp.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    CWnd* pMain = AfxGetMainWnd();
    return ::MessageBoxA(pMain ? pMain->m_hWnd : nullptr, lpszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    char szText[4096] = "";
    ::LoadStringA(AfxGetInstanceHandle(), nIDPrompt, szText, sizeof(szText));
    return AfxMessageBox(szText, nType, nIDHelp);
}
