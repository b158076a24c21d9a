#include "ui/dialogs/RecentServersDlg.h"

#include "query/GameText.h"
#include "res/resource.h"
#include "ui/dialogs/ReportList.h"

CRecentServersDlg::CRecentServersDlg(CMonitorCore& core, CWnd* pParent)
    : CDialog(IDD_RECENT_SERVERS, pParent), m_core(core)
{
}

BEGIN_MESSAGE_MAP(CRecentServersDlg, CDialog)
    ON_BN_CLICKED(IDC_RECENT_REMOVE, &CRecentServersDlg::OnRemove)
    ON_NOTIFY(LVN_KEYDOWN, IDC_RECENT_LIST, &CRecentServersDlg::OnKeyDown)
    ON_NOTIFY(NM_DBLCLK, IDC_RECENT_LIST, &CRecentServersDlg::OnDblclk)
END_MESSAGE_MAP()

void CRecentServersDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RECENT_LIST, m_list);
}

BOOL CRecentServersDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddColumns(m_list, {{"Server Name", 48}, {"Address", 26}, {"Last Joined", 24}});
    ShowServers(0);
    // The list takes the focus, so that Enter joins and Delete removes at once.
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_list.GetSafeHwnd()), TRUE);
    return FALSE;
}

void CRecentServersDlg::ShowServers(int nSelect)
{
    m_list.DeleteAllItems();
    for (const CRecentServer& server : m_core.RecentServers().Servers())
        AddRow(m_list, {ReadableText(server.strName), server.strAddress, server.strWhen});
    const int nCount = m_list.GetItemCount();
    if (nCount == 0)
        return;
    nSelect = nSelect < nCount ? nSelect : nCount - 1;
    m_list.SetItemState(nSelect, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EnsureVisible(nSelect, FALSE);
}

void CRecentServersDlg::OnOK()
{
    const int nRow = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (nRow < 0)
        return;
    m_strChosenAddress = m_list.GetItemText(nRow, 1);
    EndDialog(IDOK);
}

void CRecentServersDlg::OnRemove()
{
    const int nRow = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (nRow < 0)
        return;
    m_core.ForgetRecentServer(m_list.GetItemText(nRow, 1));
    ShowServers(nRow);
}

void CRecentServersDlg::OnKeyDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    if (reinterpret_cast<NMLVKEYDOWN*>(pNMHDR)->wVKey == VK_DELETE)
        OnRemove();
    *pResult = 0;
}

void CRecentServersDlg::OnDblclk(NMHDR*, LRESULT* pResult)
{
    OnOK();
    *pResult = 0;
}
