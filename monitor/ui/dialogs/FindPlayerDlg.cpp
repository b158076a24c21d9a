#include "ui/dialogs/FindPlayerDlg.h"

#include <cstring>

#include "res/resource.h"
#include "framework/RowTable.h"
#include "ui/dialogs/ReportList.h"

namespace {
// The next slice of the servers' players to read.
const UINT WM_LOADPLAYERS = WM_APP + 1;
// A slice: a few milliseconds of reading; 40,000 servers are twenty slices.
const int kServersPerSlice = 2000;
} // namespace

CFindPlayerDlg::CFindPlayerDlg(CMonitorCore& core, CWnd* pParent) : CDialog(IDD_FIND_PLAYER, pParent), m_core(core)
{
}

CFindPlayerDlg::~CFindPlayerDlg()
{
    m_core.RemoveWatcher(this);
}

BEGIN_MESSAGE_MAP(CFindPlayerDlg, CDialog)
    ON_CONTROL(EN_CHANGE, IDC_FIND_TEXT, &CFindPlayerDlg::OnTextChanged)
    ON_NOTIFY(LVN_GETDISPINFOA, IDC_FIND_MATCHES, &CFindPlayerDlg::OnGetDispInfo)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_FIND_MATCHES, &CFindPlayerDlg::OnColumnClick)
    ON_NOTIFY(NM_DBLCLK, IDC_FIND_MATCHES, &CFindPlayerDlg::OnDblclkMatch)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_FIND_MATCHES, &CFindPlayerDlg::OnCustomDraw)
    ON_MESSAGE(WM_LOADPLAYERS, &CFindPlayerDlg::OnLoadPlayers)
END_MESSAGE_MAP()

void CFindPlayerDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIND_MATCHES, m_listMatches);
}

BOOL CFindPlayerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddColumns(m_listMatches, {{"Player", 28}, {"Server", 38}, {"Ping", 10}, {"Address", 24}});
    m_search.SetBuddies(&m_core.Buddies());
    // The players are read in slices after the window is up: the window answers
    // between them, and the matches show once the last is read.
    m_search.BeginLoad();
    m_core.AddWatcher(this);
    m_search.SetText("");
    ::PostMessageA(m_hWnd, WM_LOADPLAYERS, 0, 0);
    return TRUE; // the focus goes to the edit box, the first control that takes it
}

LRESULT CFindPlayerDlg::OnLoadPlayers(WPARAM, LPARAM)
{
    if (m_search.LoadSome(m_core.Servers(), kServersPerSlice))
        ShowMatches(CKeptMatch());
    else
        ::PostMessageA(m_hWnd, WM_LOADPLAYERS, 0, 0);
    return 0;
}

void CFindPlayerDlg::ServerNoticed(CGameServer* pServer)
{
    if (!m_hWnd)
        return;
    const CKeptMatch kept = KeptMatch();
    m_search.Update(pServer, pServer->GetStatus());
    ShowMatches(kept);
}

void CFindPlayerDlg::OnTextChanged()
{
    CString strText = AfxGetWindowText(GetDlgItem(IDC_FIND_TEXT)->GetSafeHwnd());
    const CKeptMatch kept = KeptMatch();
    m_search.SetText(strText);
    ShowMatches(kept);
}

CFindPlayerDlg::CKeptMatch CFindPlayerDlg::KeptMatch() const
{
    int nRow = GetSelectedRow();
    if (nRow < 0)
        return CKeptMatch();
    return CKeptMatch{m_search.GetAt(nRow).pServer, m_search.GetAt(nRow).strColumns[FIND_COLUMN_PLAYER]};
}

void CFindPlayerDlg::ShowMatches(const CKeptMatch& kept)
{
    // Until the load ends the matches are in no order yet.
    if (m_search.IsLoading())
        return;
    const int nCount = m_search.GetCount();
    // Only the selected row: clearing every row's state walks the whole list.
    for (int nOld = m_listMatches.GetNextItem(-1, LVNI_SELECTED); nOld >= 0;
         nOld = m_listMatches.GetNextItem(nOld, LVNI_SELECTED))
        m_listMatches.SetItemState(nOld, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_listMatches.SetItemCountEx(nCount, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    int nRow = kept.pServer ? m_search.Find(kept.pServer, kept.strPlayer) : -1;
    if (nRow < 0 && nCount > 0)
        nRow = 0;
    if (nRow >= 0) {
        m_listMatches.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_listMatches.EnsureVisible(nRow, FALSE);
    }
    m_listMatches.Invalidate(FALSE);
}

int CFindPlayerDlg::GetSelectedRow() const
{
    int nRow = m_listMatches.GetNextItem(-1, LVNI_SELECTED);
    return nRow < m_search.GetCount() ? nRow : -1;
}

void CFindPlayerDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
    *pResult = 0;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return;
    item.pszText[0] = '\0';
    if (item.iItem < 0 || item.iItem >= m_search.GetCount() || item.iSubItem < 0 || item.iSubItem >= FIND_COLUMN_COUNT)
        return;
    const CString& strText = m_search.GetAt(item.iItem).strColumns[item.iSubItem];
    lstrcpynA(item.pszText, strText, item.cchTextMax);
}

void CFindPlayerDlg::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    int nColumn = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    const CKeptMatch kept = KeptMatch();
    m_search.Sort(nColumn, NextSortAscending(nColumn, m_search.GetSortColumn(), m_search.IsSortAscending()));
    ShowMatches(kept);
    *pResult = 0;
}

void CFindPlayerDlg::OnDblclkMatch(NMHDR*, LRESULT* pResult)
{
    OnOK();
    *pResult = 0;
}

void CFindPlayerDlg::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    if (pDraw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    }
    const int nRow = static_cast<int>(pDraw->nmcd.dwItemSpec);
    if (pDraw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT || nRow < 0 || nRow >= m_search.GetCount()
        || !m_search.GetAt(nRow).bBuddy)
        return;
    *pResult = m_boldFont.SelectInto(pDraw->nmcd.hdc, m_listMatches.GetSafeHwnd());
}

// Enter, a double-click and Go To Server: nothing happens without a match.
void CFindPlayerDlg::OnOK()
{
    int nRow = GetSelectedRow();
    if (nRow < 0)
        return;
    m_pChosenServer = m_search.GetAt(nRow).pServer;
    m_strChosenPlayer = m_search.GetAt(nRow).strColumns[FIND_COLUMN_PLAYER];
    EndDialog(IDOK);
}
