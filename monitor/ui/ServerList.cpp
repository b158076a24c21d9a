#include "ui/MonitorDlg.h"

#include "query/GameText.h"
#include "ui/ListMode.h"
#include "ui/ServerListRules.h"
#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"

namespace {
struct ColumnSetup {
    const char* pszHeading;
    int nWidth; // a negative width is the window width less its magnitude
};
const ColumnSetup kServerColumns[SERVER_COLUMN_COUNT] = {
    {"Server Name", 175}, {"Map", 80}, {"Version", 120}, {"Ping", 50}, {"Players", 50}, {"Address", -485},
};

// A column's initial width at a DPI (the widths above are at 96 DPI).
int ServerColumnWidth(int nColumn, const CRect& rcList, int dpi)
{
    int nWidth = kServerColumns[nColumn].nWidth;
    return nWidth < 0 ? rcList.Width() - ScaleToDpi(-nWidth, dpi) : ScaleToDpi(nWidth, dpi);
}

CString ServerColumnText(CGameServer* pServer, const CServerStatus& status, int nColumn)
{
    CString s;
    switch (nColumn) {
    case SERVER_COLUMN_NAME: return ReadableText(status.m_strName);
    case SERVER_COLUMN_MAP: return ReadableText(status.m_strMap);
    case SERVER_COLUMN_VERSION: return ReadableText(status.m_strVersion);
    case SERVER_COLUMN_PING: s.Format("%lu", static_cast<unsigned long>(status.m_nPing)); return s;
    case SERVER_COLUMN_PLAYERS:
        s.Format("%lu/%lu", static_cast<unsigned long>(status.m_nPlayers),
                 static_cast<unsigned long>(status.m_nMaxPlayers));
        return s;
    default: return pServer->GetAddress();
    }
}
// The server list as the row index reads it.
class CListRows : public CServerRowIndex::CRows {
public:
    explicit CListRows(const CListCtrl& list) : m_list(list) {}
    int GetCount() const override { return m_list.GetItemCount(); }
    LPARAM GetData(int nRow) const override { return static_cast<LPARAM>(m_list.GetItemData(nRow)); }

private:
    const CListCtrl& m_list;
};
} // namespace

void CMonitorDlg::InitListColumns()
{
    m_listServers.SetImageList(m_pImageList, LVSIL_SMALL);
    m_listServers.SetExtendedStyle(m_listServers.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_listPlayers.SetExtendedStyle(m_listPlayers.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    CRect rect;
    m_listServers.GetWindowRect(&rect);
    for (int i = 0; i < SERVER_COLUMN_COUNT; ++i)
        m_listServers.InsertColumn(i, kServerColumns[i].pszHeading, LVCFMT_LEFT, ServerColumnWidth(i, rect, GetDpi()));
    InitPlayerColumns();
}

void CMonitorDlg::ScaleServerColumns()
{
    ScaleColumns(m_listServers, SERVER_COLUMN_COUNT, ServerColumnWidth);
}

int CMonitorDlg::FindServerRow(CGameServer* pServer)
{
    return m_serverRows.Find(reinterpret_cast<LPARAM>(pServer), CListRows(m_listServers));
}

BOOL CMonitorDlg::UpdateServerRow(CGameServer* pServer, CServerStatus& status)
{
    HoldPaint(m_listServers);
    int nRow = FindServerRow(pServer);
    status = pServer->GetStatus();
    if (!ListModeAdmits(m_nServerListMode, pServer->IsFavorite(), pServer->IsIgnored(), status.m_nPing)) {
        if (nRow >= 0 && m_listServers.DeleteItem(nRow))
            m_serverRows.Deleted(reinterpret_cast<LPARAM>(pServer), nRow, CListRows(m_listServers));
        return FALSE;
    }
    if (nRow < 0) {
        nRow = m_listServers.InsertItem(m_listServers.GetItemCount(), ReadableText(status.m_strName));
        if (nRow < 0)
            return FALSE;
        m_listServers.SetItemData(nRow, reinterpret_cast<DWORD_PTR>(pServer));
        m_serverRows.Inserted(reinterpret_cast<LPARAM>(pServer), nRow, CListRows(m_listServers));
    }
    for (int i = 0; i < SERVER_COLUMN_COUNT; ++i)
        m_listServers.SetItemText(nRow, i, ServerColumnText(pServer, status, i));
    m_listServers.SetItem(nRow, 0, LVIF_IMAGE, nullptr, PingImageFor(status.m_nPing), 0, 0, 0);
    return TRUE;
}

void CMonitorDlg::UpdateServerItem(CGameServer* pServer)
{
    CServerStatus status;
    if (UpdateServerRow(pServer, status))
        FillPlayerList(status);
}

CGameServer* CMonitorDlg::GetSelectedServer()
{
    int nRow = m_listServers.GetNextItem(-1, LVNI_SELECTED);
    return nRow < 0 ? nullptr : reinterpret_cast<CGameServer*>(m_listServers.GetItemData(nRow));
}

void CMonitorDlg::SortServerList(int nColumn, BOOL bAscending)
{
    SortList(m_listServers, nColumn, bAscending, TRUE);
    m_serverRows.Invalidate();
    m_nServerSortColumn = nColumn;
    m_bServerSortAscending = bAscending;
}

void CMonitorDlg::OnColumnClickServers(NMHDR* pNMHDR, LRESULT* pResult)
{
    int nColumn = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    SortServerList(nColumn, NextSortAscending(nColumn, m_nServerSortColumn, m_bServerSortAscending));
    *pResult = 0;
}

void CMonitorDlg::OnCustomDrawServers(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Rows without item data yet are drawn plain.
    *pResult = AnswerCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR), [](LPARAM lData) -> COLORREF {
        auto* pServer = reinterpret_cast<CGameServer*>(lData);
        return pServer ? ServerTextColor(pServer->IsFavorite(), pServer->IsIgnored()) : COLOR_TEXT_PLAIN;
    });
}

void CMonitorDlg::OnServerItemChanged(NMHDR*, LRESULT* pResult)
{
    RequestAutoSize(m_listServers);
    *pResult = 0;
}

void CMonitorDlg::OnListMode()
{
    ShowListMode(NextListMode(m_nServerListMode));
}

void CMonitorDlg::ShowListMode(int nMode)
{
    m_nServerListMode = nMode;
    m_btnListMode.SetWindowText(ListModeButtonCaption(m_nServerListMode));
    // The player list ends with the last listed record's players: fill it once.
    CServerStatus status, lastListed;
    BOOL bAnyListed = FALSE;
    for (CGameServer* pServer : m_servers) {
        if (UpdateServerRow(pServer, status)) {
            lastListed = status;
            bAnyListed = TRUE;
        }
    }
    if (bAnyListed)
        FillPlayerList(lastListed);
    SortServerList(m_nServerSortColumn, m_bServerSortAscending);
    UpdateCaption();
    RunStateChanged();
}

void CMonitorDlg::OnRightClickServer(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CGameServer* pServer = GetSelectedServer();
    if (!pServer)
        return;
    if (pServer->IsFavorite() == 1) {
        pServer->SetFavorite(0);
        pServer->SetIgnored(1);
    } else if (pServer->IsIgnored() == 1) {
        pServer->SetIgnored(0);
    } else {
        pServer->SetFavorite(1);
    }
    UpdateServerItem(pServer);
    UpdateCaption();
    RunStateChanged();
}

void CMonitorDlg::OnClickServer(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CGameServer* pServer = GetSelectedServer();
    if (!pServer)
        return;
    if (m_poll.IsPolling()) {
        UpdateServerItem(pServer);
        return;
    }
    AskServerAgain(pServer);
    UpdateCaption();
}
