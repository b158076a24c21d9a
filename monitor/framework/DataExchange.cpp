#include "DataExchange.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!rControl.m_hWnd)
        rControl.SubclassDlgItem(nIDC, pDX->m_pDlgWnd);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hControl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
    if (!hControl)
        return;
    if (pDX->m_bSaveAndValidate)
        value = AfxGetWindowText(hControl);
    else if (AfxGetWindowText(hControl) != value)
        ::SetWindowTextA(hControl, value);
}
