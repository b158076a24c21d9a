// The server list and the player list: each shows a row table of the core, and
// their clicks go to the core.
#include "ui/MonitorDlg.h"

namespace {
const CListColumn kServerColumns[SERVER_COLUMN_COUNT] = {
    {"Server Name", 175}, {"Map", 80}, {"Version", 120}, {"Ping", 50}, {"Players", 50}, {"Address", -485},
};
// The ping column takes the rest of the list.
const CListColumn kPlayerColumns[PLAYER_COLUMN_COUNT] = {{"Name", 200}, {"Score", 100}, {"Ping", -310}};
} // namespace

void CMonitorDlg::InitListColumns()
{
    m_listServers.SetImageList(m_pImageList, LVSIL_SMALL);
    m_listServers.Show(m_core.ServerRows(), kServerColumns, SERVER_COLUMN_COUNT, GetDpi());
    m_listPlayers.Show(m_core.PlayerRows(), kPlayerColumns, PLAYER_COLUMN_COUNT, GetDpi());
    // Widths the user gives the columns are kept for the next start.
    m_listServers.OnUserWidths(
        [this](const std::vector<int>& widths) { m_core.SetColumnWidths(SETTING_SERVER_COLUMN_WIDTHS, widths); });
    m_listPlayers.OnUserWidths(
        [this](const std::vector<int>& widths) { m_core.SetColumnWidths(SETTING_PLAYER_COLUMN_WIDTHS, widths); });
}

void CMonitorDlg::OnListMode()
{
    m_core.ShowNextListMode();
}

void CMonitorDlg::OnRightClickServer(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (CGameServer* pServer = m_view.SelectedServer())
        m_core.CycleMarks(pServer);
}

void CMonitorDlg::OnClickServer(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (CGameServer* pServer = m_view.SelectedServer())
        m_core.ClickServer(pServer);
}

void CMonitorDlg::OnColumnClickServers(NMHDR* pNMHDR, LRESULT* pResult)
{
    const CRowTable& rows = m_core.ServerRows();
    const int nColumn = CSortedListCtrl::ClickedColumn(pNMHDR);
    SortServerList(nColumn, NextSortAscending(nColumn, rows.GetSortColumn(), rows.IsSortAscending()));
    *pResult = 0;
}

void CMonitorDlg::OnColumnClickPlayers(NMHDR* pNMHDR, LRESULT* pResult)
{
    const CRowTable& rows = m_core.PlayerRows();
    const int nColumn = CSortedListCtrl::ClickedColumn(pNMHDR);
    SortPlayerList(nColumn, NextSortAscending(nColumn, rows.GetSortColumn(), rows.IsSortAscending()));
    *pResult = 0;
}

void CMonitorDlg::OnCustomDrawServers(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = m_listServers.CustomDraw(pNMHDR);
}

void CMonitorDlg::OnCustomDrawPlayers(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = m_listPlayers.CustomDraw(pNMHDR);
}
