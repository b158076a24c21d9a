#include "ui/MonitorDlg.h"

#include "ui/ServerListRules.h"

void CMonitorDlg::InitPlayerColumns()
{
    CRect rect;
    m_listPlayers.GetWindowRect(&rect);
    m_listPlayers.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
    m_listPlayers.InsertColumn(1, "Score", LVCFMT_LEFT, 100);
    m_listPlayers.InsertColumn(2, "Ping", LVCFMT_LEFT, rect.Width() - 310);
}

// The rows come from the snapshot's copies: a later query may replace the
// record's players while the rows remain. Item data numbers the rows for sorting.
void CMonitorDlg::FillPlayerList(const CServerStatus& status)
{
    m_listPlayers.DeleteAllItems();
    int nCount = static_cast<int>(status.m_players.size());
    for (int i = 0; i < nCount; ++i) {
        const CPlayerInfo& player = status.m_players[static_cast<size_t>(i)];
        int nRow = m_listPlayers.InsertItem(i, player.GetName());
        if (nRow < 0)
            continue;
        CString s;
        s.Format("%ld", static_cast<long>(player.GetScore()));
        m_listPlayers.SetItemText(nRow, 1, s);
        s.Format("%lu", static_cast<unsigned long>(player.GetPing()));
        m_listPlayers.SetItemText(nRow, 2, s);
        m_listPlayers.SetItemData(nRow, static_cast<DWORD_PTR>(i) + 1);
    }
}

void CMonitorDlg::SortPlayerList(int nColumn, BOOL bAscending)
{
    SortList(m_listPlayers, nColumn, bAscending, FALSE);
    m_nPlayerSortColumn = nColumn;
    m_bPlayerSortAscending = bAscending;
}

void CMonitorDlg::OnColumnClickPlayers(NMHDR* pNMHDR, LRESULT* pResult)
{
    int nColumn = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    BOOL bAscending = nColumn == m_nPlayerSortColumn ? !m_bPlayerSortAscending : TRUE;
    SortPlayerList(nColumn, bAscending);
    *pResult = 0;
}

void CMonitorDlg::OnCustomDrawPlayers(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        pDraw->clrTextBk = RowBackgroundColor(static_cast<int>(pDraw->nmcd.dwItemSpec));
        pDraw->clrText = COLOR_TEXT_PLAIN;
        *pResult = CDRF_DODEFAULT;
        return;
    default:
        *pResult = CDRF_DODEFAULT;
    }
}

void CMonitorDlg::OnPlayerItemInserted(NMHDR*, LRESULT* pResult)
{
    RequestAutoSize(m_listPlayers);
    *pResult = 0;
}
