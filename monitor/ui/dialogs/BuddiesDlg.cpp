#include "ui/dialogs/BuddiesDlg.h"

#include "res/resource.h"

CBuddiesDlg::CBuddiesDlg(CMonitorCore& core, CWnd* pParent) : CDialog(IDD_BUDDIES, pParent), m_core(core)
{
}

BEGIN_MESSAGE_MAP(CBuddiesDlg, CDialog)
    ON_BN_CLICKED(IDC_BUDDY_REMOVE, &CBuddiesDlg::OnRemove)
END_MESSAGE_MAP()

BOOL CBuddiesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendDlgItemMessageA(m_hWnd, IDC_BUDDY_NAME, EM_LIMITTEXT, CBuddyList::MAX_NAME, 0);
    ShowNames(0);
    return TRUE; // the focus goes to the name, the first control that takes it
}

void CBuddiesDlg::ShowNames(int nSelect)
{
    SendDlgItemMessageA(m_hWnd, IDC_BUDDY_LIST, LB_RESETCONTENT, 0, 0);
    for (const CString& strName : m_core.Buddies().Names())
        SendDlgItemMessageA(m_hWnd, IDC_BUDDY_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<const char*>(strName)));
    const int nCount = static_cast<int>(m_core.Buddies().Names().size());
    if (nCount > 0)
        SendDlgItemMessageA(m_hWnd, IDC_BUDDY_LIST, LB_SETCURSEL, nSelect < nCount ? nSelect : nCount - 1, 0);
}

void CBuddiesDlg::OnOK()
{
    CWnd* pEdit = GetDlgItem(IDC_BUDDY_NAME);
    if (!m_core.AddBuddy(AfxGetWindowText(pEdit->GetSafeHwnd()))) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    pEdit->SetWindowText("");
    ShowNames(static_cast<int>(m_core.Buddies().Names().size()) - 1);
}

void CBuddiesDlg::OnRemove()
{
    const int nRow = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_BUDDY_LIST, LB_GETCURSEL, 0, 0));
    const std::vector<CString>& names = m_core.Buddies().Names();
    if (nRow < 0 || nRow >= static_cast<int>(names.size()))
        return;
    m_core.RemoveBuddy(CString(names[static_cast<size_t>(nRow)]));
    ShowNames(nRow);
}
