#include "ui/MonitorDlg.h"

#include "query/GameText.h"
#include "ui/ServerListRules.h"
#include "dpi/DpiScale.h"

namespace {
// Name, score and ping at 96 DPI; the ping column takes the rest of the list.
const int kPlayerColumnWidths[] = {200, 100};

int PlayerColumnWidth(int nColumn, const CRect& rcList, int dpi)
{
    if (nColumn < 2)
        return ScaleToDpi(kPlayerColumnWidths[nColumn], dpi);
    return rcList.Width() - ScaleToDpi(kPlayerColumnWidths[0] + kPlayerColumnWidths[1] + 10, dpi);
}
} // namespace

void CMonitorDlg::InitPlayerColumns()
{
    CRect rect;
    m_listPlayers.GetWindowRect(&rect);
    m_listPlayers.InsertColumn(0, "Name", LVCFMT_LEFT, PlayerColumnWidth(0, rect, GetDpi()));
    m_listPlayers.InsertColumn(1, "Score", LVCFMT_LEFT, PlayerColumnWidth(1, rect, GetDpi()));
    m_listPlayers.InsertColumn(2, "Ping", LVCFMT_LEFT, PlayerColumnWidth(2, rect, GetDpi()));
    static_assert(PLAYER_COLUMN_COUNT == 3, "name, score, ping");
}

void CMonitorDlg::ScalePlayerColumns()
{
    ScaleColumns(m_listPlayers, PLAYER_COLUMN_COUNT, PlayerColumnWidth);
}

// The rows come from the snapshot's copies: a later query may replace the
// record's players while the rows remain. Item data numbers the rows for sorting.
void CMonitorDlg::FillPlayerList(const CServerStatus& status)
{
    if (status.m_players.empty() && m_listPlayers.GetItemCount() == 0)
        return;
    HoldPaint(m_listPlayers);
    m_listPlayers.DeleteAllItems();
    int nCount = static_cast<int>(status.m_players.size());
    for (int i = 0; i < nCount; ++i) {
        const CPlayerInfo& player = status.m_players[static_cast<size_t>(i)];
        int nRow = m_listPlayers.InsertItem(i, ReadableText(player.GetName()));
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
    SortPlayerList(nColumn, NextSortAscending(nColumn, m_nPlayerSortColumn, m_bPlayerSortAscending));
    *pResult = 0;
}

void CMonitorDlg::OnCustomDrawPlayers(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = AnswerCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR),
                                [](LPARAM) -> COLORREF { return COLOR_TEXT_PLAIN; });
}

void CMonitorDlg::OnPlayerItemInserted(NMHDR*, LRESULT* pResult)
{
    RequestAutoSize(m_listPlayers);
    *pResult = 0;
}
