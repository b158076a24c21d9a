#include "Dialog.h"

#include "MainWindow.h"
#include "WinApp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

// Without a parent a dialog is owned by the main window, so that it stays above it.
HWND CDialog::ParentHandle() const
{
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    CWnd* pMain = AfxGetMainWnd();
    return pMain && pMain != this ? pMain->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal()
{
    AfxInitCommonControls();
    return ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), ParentHandle(), &CDialog::DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    AfxInitCommonControls();
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    return ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(nIDTemplate), ParentHandle(), &CDialog::DialogProc,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

// The dialog manager's procedure. Once WM_INITDIALOG has subclassed the window,
// every message comes through AfxWndProc first and reaches the dialog manager
// only when the map leaves it, so nothing but WM_INITDIALOG is handled here.
INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDialog = reinterpret_cast<CDialog*>(lParam);
    if (!pDialog || !pDialog->SubclassWindow(hWnd))
        return TRUE;
    pDialog->m_bCreatedHere = true;
    if (AfxGetMainWnd() == pDialog)
        AfxSetMainWndHandle(hWnd);
    return pDialog->OnInitDialog();
}

void CDialog::EndDialog(int nResult)
{
    // Worker notices posted from now on would never be dispatched.
    if (m_hWnd && AfxGetMainWndHandle() == m_hWnd)
        AfxSetMainWndHandle(nullptr);
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
