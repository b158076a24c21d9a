#include "Dialog.h"

#include "MainWindow.h"
#include "WinApp.h"
#include "dpi/DpiArt.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_DPICHANGED_MSG, &CDialog::OnDpiChanged)
    ON_MESSAGE(WM_GETFONT, &CDialog::OnGetFont)
    ON_MESSAGE(WM_NCDESTROY, &CDialog::OnNcDestroy)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

// The font and icons made for the DPI go after the controls that show them.
CDialog::~CDialog()
{
    if (m_hWnd && m_bCreatedHere && ::IsWindow(m_hWnd))
        DestroyWindow();
    ReleaseScaledObjects();
}

// Without a parent a dialog is owned by the main window, so that it stays above it.
HWND CDialog::ParentHandle() const
{
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    CWnd* pMain = AfxGetMainWnd();
    return pMain && pMain != this ? pMain->m_hWnd : nullptr;
}

// The dialog manager's own modal loop gives no look at a message before it acts
// on it; this one runs the same steps (the owner disabled while the dialog runs,
// IsDialogMessage for the dialog's keys) with PreTranslateMessage in front.
INT_PTR CDialog::DoModal()
{
    AfxInitCommonControls();
    HWND hOwner = ParentHandle();
    if (hOwner)
        hOwner = ::GetAncestor(hOwner, GA_ROOT);
    const bool bDisableOwner = hOwner && ::IsWindowEnabled(hOwner);
    if (bDisableOwner)
        ::EnableWindow(hOwner, FALSE);
    m_bInModalLoop = true;
    m_nModalResult = -1;
    HWND hWnd = ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hOwner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hWnd && m_bInModalLoop) {
        if (!::IsWindowVisible(hWnd))
            ::ShowWindow(hWnd, SW_SHOWNORMAL);
        RunModalLoop();
    }
    m_bInModalLoop = false;
    // The owner is enabled before the dialog goes, so that it, not another
    // program, becomes the active window.
    if (hWnd && ::IsWindow(hWnd))
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (bDisableOwner)
        ::EnableWindow(hOwner, TRUE);
    if (hWnd && ::IsWindow(hWnd)) {
        if (hOwner && ::GetActiveWindow() == hWnd)
            ::SetActiveWindow(hOwner);
        ::DestroyWindow(hWnd);
    }
    return m_nModalResult;
}

// A modeless dialog of this thread (the free-slot wait beside the main window)
// gets its Escape, Enter and Tab from whichever modal loop is running.
static bool IsModelessDialogMessage(HWND hModal, MSG* pMsg)
{
    HWND hRoot = pMsg->hwnd ? ::GetAncestor(pMsg->hwnd, GA_ROOT) : nullptr;
    if (!hRoot || hRoot == hModal)
        return false;
    char szClass[8] = {};
    ::GetClassNameA(hRoot, szClass, sizeof szClass);
    return lstrcmpA(szClass, "#32770") == 0 && ::IsDialogMessageA(hRoot, pMsg);
}

void CDialog::RunModalLoop()
{
    HWND hWnd = m_hWnd;
    MSG msg;
    while (m_bInModalLoop && ::IsWindow(hWnd)) {
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot <= 0) {
            // WM_QUIT belongs to the loop outside: leave it queued for that one.
            if (bGot == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = -1;
            return;
        }
        if ((msg.hwnd == hWnd || ::IsChild(hWnd, msg.hwnd)) && PreTranslateMessage(&msg))
            continue;
        if (::IsDialogMessageA(hWnd, &msg) || IsModelessDialogMessage(hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

BOOL CDialog::PreTranslateMessage(MSG*) { return FALSE; }

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
    pDialog->BeginDisplayScale();
    return pDialog->OnInitDialog();
}

void CDialog::EndDialog(int nResult)
{
    // Worker notices posted from now on would never be dispatched.
    if (m_hWnd && AfxGetMainWndHandle() == m_hWnd)
        AfxSetMainWndHandle(nullptr);
    if (m_bInModalLoop) {
        m_bInModalLoop = false;
        m_nModalResult = nResult;
    }
    // Hides the window and wakes the loop.
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    if (m_nDpi != BASE_DPI)
        OnDpiScaled(BASE_DPI);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
