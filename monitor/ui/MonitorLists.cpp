// The server list and the player list: each shows a row table of the core, and
// their clicks go to the core.
#include "ui/MonitorDlg.h"

#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"

namespace {
const CListColumn kServerColumns[SERVER_COLUMN_COUNT] = {
    {"Server Name", 175}, {"Map", 80}, {"Version", 120}, {"Ping", 50}, {"Players", 50}, {"Address", -485},
};
// The ping column takes the rest of the list.
const CListColumn kPlayerColumns[PLAYER_COLUMN_COUNT] = {{"Name", 200}, {"Score", 100}, {"Ping", -310}};

CGameServer* ServerOf(const CSortedListCtrl& list)
{
    return reinterpret_cast<CGameServer*>(list.GetSelectedKey());
}
} // namespace

void CMonitorDlg::InitListColumns()
{
    m_listServers.SetImageList(m_pImageList, LVSIL_SMALL);
    KeepLayoutOnDpiChange();
    int dpi = WindowDpi(m_hWnd);
    if (dpi != BASE_DPI)
        LayOutInProportion(dpi);
    ApplyDisplayScale(dpi);
    m_listServers.Show(m_core.ServerRows(), kServerColumns, SERVER_COLUMN_COUNT, m_nDpi);
    m_listPlayers.Show(m_core.PlayerRows(), kPlayerColumns, PLAYER_COLUMN_COUNT, m_nDpi);
}

void CMonitorDlg::OnListMode()
{
    m_core.ShowNextListMode();
}

void CMonitorDlg::OnRightClickServer(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (CGameServer* pServer = ServerOf(m_listServers))
        m_core.CycleMarks(pServer);
}

void CMonitorDlg::OnClickServer(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (CGameServer* pServer = ServerOf(m_listServers))
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
