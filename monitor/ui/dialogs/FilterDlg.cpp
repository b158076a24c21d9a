#include "ui/dialogs/FilterDlg.h"

#include "res/resource.h"

namespace {
const int kChecks[] = {IDC_FILTER_EMPTY, IDC_FILTER_FULL, IDC_FILTER_PASSWORD};
} // namespace

CFilterDlg::CFilterDlg(CMonitorCore& core, CWnd* pParent)
    : CDialog(IDD_FILTER_SERVERS, pParent), m_core(core), m_pParent(pParent)
{
}

BEGIN_MESSAGE_MAP(CFilterDlg, CDialog)
    ON_BN_CLICKED(IDC_FILTER_EMPTY, &CFilterDlg::OnChanged)
    ON_BN_CLICKED(IDC_FILTER_FULL, &CFilterDlg::OnChanged)
    ON_BN_CLICKED(IDC_FILTER_PASSWORD, &CFilterDlg::OnChanged)
    ON_CONTROL(EN_CHANGE, IDC_FILTER_PING, &CFilterDlg::OnChanged)
    ON_CONTROL(EN_CHANGE, IDC_FILTER_TEXT, &CFilterDlg::OnChanged)
END_MESSAGE_MAP()

BOOL CFilterDlg::Open()
{
    if (!m_hWnd && !Create(IDD_FILTER_SERVERS, m_pParent))
        return FALSE;
    ShowFilter();
    ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hWnd);
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_FILTER_EMPTY)->GetSafeHwnd()), TRUE);
    return TRUE;
}

// Beside the main window, where it hides none of the list it filters: to its
// right, or its left, when the screen has the room.
static void PlaceBeside(HWND hWnd, HWND hMain)
{
    RECT rcMain, rcSelf;
    if (!hMain || !::GetWindowRect(hMain, &rcMain) || !::GetWindowRect(hWnd, &rcSelf))
        return;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoA(::MonitorFromWindow(hMain, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& work = monitor.rcWork;
    const int cx = rcSelf.right - rcSelf.left;
    int x;
    if (rcMain.right + cx <= work.right)
        x = rcMain.right;
    else if (rcMain.left - cx >= work.left)
        x = rcMain.left - cx;
    else
        return;
    ::SetWindowPos(hWnd, nullptr, x, rcMain.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CFilterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    PlaceBeside(m_hWnd, m_pParent ? m_pParent->GetSafeHwnd() : nullptr);
    // Four digits: beyond any ping that a server which answers can have.
    ::SendDlgItemMessageA(m_hWnd, IDC_FILTER_PING, EM_LIMITTEXT, 4, 0);
    ShowFilter();
    return TRUE;
}

void CFilterDlg::ShowFilter()
{
    const CServerFilter& filter = m_core.GetFilter();
    m_bShowing = TRUE;
    const bool checked[] = {filter.bHideEmpty, filter.bHideFull, filter.bHidePassword};
    for (size_t i = 0; i < sizeof kChecks / sizeof kChecks[0]; ++i)
        ::CheckDlgButton(m_hWnd, kChecks[i], checked[i] ? BST_CHECKED : BST_UNCHECKED);
    CString strPing;
    if (filter.nMaxPing > 0)
        strPing.Format("%lu", static_cast<unsigned long>(filter.nMaxPing));
    GetDlgItem(IDC_FILTER_PING)->SetWindowText(strPing);
    GetDlgItem(IDC_FILTER_TEXT)->SetWindowText(filter.GetText());
    m_bShowing = FALSE;
}

void CFilterDlg::OnChanged()
{
    if (m_bShowing || m_core.IsShuttingDown())
        return;
    CServerFilter filter;
    filter.bHideEmpty = ::IsDlgButtonChecked(m_hWnd, IDC_FILTER_EMPTY) == BST_CHECKED;
    filter.bHideFull = ::IsDlgButtonChecked(m_hWnd, IDC_FILTER_FULL) == BST_CHECKED;
    filter.bHidePassword = ::IsDlgButtonChecked(m_hWnd, IDC_FILTER_PASSWORD) == BST_CHECKED;
    filter.nMaxPing = ReadLeadingUInt(AfxGetWindowText(GetDlgItem(IDC_FILTER_PING)->GetSafeHwnd()));
    filter.SetText(AfxGetWindowText(GetDlgItem(IDC_FILTER_TEXT)->GetSafeHwnd()));
    m_core.SetFilter(filter);
}
