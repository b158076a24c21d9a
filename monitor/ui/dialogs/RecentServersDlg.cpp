#include "ui/dialogs/RecentServersDlg.h"

#include "query/GameText.h"
#include "res/resource.h"

namespace {
const char* const kHeadings[] = {"Server Name", "Address", "Last Joined"};
// Shares of the list's width, in percent.
const int kWidths[] = {48, 26, 24};
} // namespace

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
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    CRect rect;
    m_list.GetClientRect(&rect);
    for (int i = 0; i < 3; ++i)
        m_list.InsertColumn(i, kHeadings[i], LVCFMT_LEFT, rect.Width() * kWidths[i] / 100);
    ShowServers(0);
    // The list takes the focus, so that Enter joins and Delete removes at once.
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_list.GetSafeHwnd()), TRUE);
    return FALSE;
}

void CRecentServersDlg::ShowServers(int nSelect)
{
    m_list.DeleteAllItems();
    for (const CRecentServer& server : m_core.RecentServers().Servers()) {
        const int nRow = m_list.InsertItem(m_list.GetItemCount(), ReadableText(server.strName));
        if (nRow < 0)
            continue;
        m_list.SetItemText(nRow, 1, server.strAddress);
        m_list.SetItemText(nRow, 2, server.strWhen);
    }
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
