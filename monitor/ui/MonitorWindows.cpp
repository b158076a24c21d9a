#include "ui/MonitorWindows.h"

#include "extras/JoinServer.h"
#include "extras/SelectedServer.h"
#include "query/GameText.h"
#include "res/resource.h"
#include "ui/core/FreeSlot.h"
#include "ui/core/ListMode.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/BuddiesDlg.h"
#include "ui/dialogs/FilterDlg.h"
#include "ui/dialogs/FindPlayerDlg.h"
#include "ui/dialogs/PasswordDlg.h"
#include "ui/dialogs/RecentServersDlg.h"
#include "ui/dialogs/ServerDetailsDlg.h"
#include "ui/dialogs/SlotWaitDlg.h"

const CMonitorWindows::CCommand CMonitorWindows::kCommands[] = {
    {0, IDM_ABOUTBOX, "About Kelvane Monitor...", &CMonitorWindows::ShowAbout},
    {ID_FIND_PLAYER, IDM_FINDPLAYER, "Find Player...", &CMonitorWindows::FindPlayer},
    {ID_FILTER_SERVERS, IDM_FILTERSERVERS, "Filter Servers...", &CMonitorWindows::FilterServers},
    {ID_RECENT_SERVERS, IDM_RECENTSERVERS, "Recent Servers...", &CMonitorWindows::RecentServers},
    {ID_SERVER_DETAILS, IDM_SERVERDETAILS, "Server Details...", &CMonitorWindows::ServerDetails},
    {ID_JOIN_SPECTATOR, IDM_JOINSPECTATOR, "Join as Spectator", &CMonitorWindows::JoinAsSpectator},
    {ID_BUDDIES, IDM_BUDDIES, "Buddies...", &CMonitorWindows::Buddies},
    {0, IDM_WATCHFORGAMES, "Watch for Games", &CMonitorWindows::ToggleWatching},
    {ID_SHOW_NOTICED, 0, nullptr, &CMonitorWindows::ShowNoticed},
    {ID_EDIT_COPY, 0, nullptr, &CMonitorWindows::Copy},
};

CMonitorWindows::CMonitorWindows(CDialog& main, CMonitorCore& core, CSortedListCtrl& servers,
                                 CSortedListCtrl& players)
    : m_main(main), m_core(core), m_servers(servers), m_players(players)
{
}

CMonitorWindows::~CMonitorWindows() = default;

void CMonitorWindows::AddMenuItems(CMenu& menu)
{
    menu.AppendMenu(MF_SEPARATOR);
    for (const CCommand& command : kCommands) {
        if (command.nMenuCommand)
            menu.AppendMenu(MF_STRING, command.nMenuCommand, command.pszMenuText);
    }
}

BOOL CMonitorWindows::RunMenuCommand(UINT nID)
{
    if (nID == SC_MINIMIZE && m_core.IsWatching()) {
        m_main.ShowWindow(SW_HIDE);
        return TRUE;
    }
    return Run(&CCommand::nMenuCommand, nID);
}

BOOL CMonitorWindows::RunKeyCommand(UINT nID)
{
    return Run(&CCommand::nKeyCommand, nID);
}

BOOL CMonitorWindows::Run(UINT CCommand::*pnCommand, UINT nID)
{
    for (const CCommand& command : kCommands) {
        if (command.*pnCommand && command.*pnCommand == nID) {
            (this->*command.pfnRun)();
            return TRUE;
        }
    }
    return FALSE;
}

void CMonitorWindows::ShowAbout()
{
    CAboutBox dlgAbout;
    dlgAbout.DoModal();
}

INT_PTR CMonitorWindows::RunModal(CDialog& dlg)
{
    if (m_pModal || m_core.IsShuttingDown())
        return IDCANCEL;
    m_pModal = &dlg;
    const INT_PTR nResult = dlg.DoModal();
    m_pModal = nullptr;
    return m_core.IsShuttingDown() ? IDCANCEL : nResult;
}

void CMonitorWindows::FindPlayer()
{
    CFindPlayerDlg dlg(m_core, &m_main);
    if (RunModal(dlg) == IDOK && dlg.m_pChosenServer)
        GoToServer(dlg.m_pChosenServer, dlg.m_strChosenPlayer);
}

void CMonitorWindows::GoToServer(CGameServer* pServer, const CString& strPlayer)
{
    const LPARAM key = reinterpret_cast<LPARAM>(pServer);
    m_core.UpdateServerItem(pServer);
    if (!m_core.ServerRows().Contains(key)) {
        // No view shows it: the user's filters are theirs to change.
        if (m_core.IsFilteredOut(pServer)) {
            CString strText;
            strText.Format("%s is hidden by your filters (Filter Servers, Ctrl+E).",
                           static_cast<const char*>(ReadableText(pServer->GetStatus().m_strName)));
            AfxMessageBox(strText);
            return;
        }
        m_core.ShowListMode(LIST_MODE_ALL);
        m_core.UpdateServerItem(pServer);
    }
    if (!m_servers.SelectKey(key))
        return;
    const CRowTable& players = m_core.PlayerRows();
    for (int nRow = 0; nRow < players.GetCount(); ++nRow) {
        if (players.GetText(nRow, 0) == strPlayer) {
            m_players.SelectKey(players.GetKey(nRow));
            break;
        }
    }
    m_main.SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_servers.GetSafeHwnd()), TRUE);
}

void CMonitorWindows::ServerDetails()
{
    if (m_core.IsShuttingDown())
        return;
    if (CGameServer* pServer = SelectedServerOrExplain(m_servers)) {
        CServerDetailsDlg dlg(pServer->GetStatus(), &m_main);
        dlg.DoModal();
    }
}

// The texts as the rows show them: the server's address, the player's name.
void CMonitorWindows::Copy()
{
    const HWND hFocus = ::GetFocus();
    const bool bServers = hFocus == m_servers.GetSafeHwnd();
    if (!hFocus || (!bServers && hFocus != m_players.GetSafeHwnd()))
        return;
    CSortedListCtrl& list = bServers ? m_servers : m_players;
    const int nRow = list.GetNextItem(-1, LVNI_SELECTED);
    if (nRow >= 0)
        AfxSetClipboardText(m_main.GetSafeHwnd(), list.GetTable()->GetText(nRow, bServers ? SERVER_COLUMN_ADDRESS : 0));
}

void CMonitorWindows::FilterServers()
{
    if (m_core.IsShuttingDown())
        return;
    if (!m_pFilterDlg)
        m_pFilterDlg = std::make_unique<CFilterDlg>(m_core, &m_main);
    if (!m_pFilterDlg->Open())
        m_pFilterDlg.reset();
}

void CMonitorWindows::RecentServers()
{
    CRecentServersDlg dlg(m_core, &m_main);
    if (RunModal(dlg) == IDOK)
        JoinRecent(dlg.m_strChosenAddress);
}

void CMonitorWindows::Buddies()
{
    CBuddiesDlg dlg(m_core, &m_main);
    RunModal(dlg);
}

void CMonitorWindows::ToggleWatching()
{
    if (!m_core.IsShuttingDown())
        m_core.SetWatching(!m_core.IsWatching());
}

void CMonitorWindows::ShowNoticed()
{
    if (m_core.IsShuttingDown())
        return;
    m_main.ShowWindow(m_main.IsIconic() ? SW_RESTORE : SW_SHOW);
    ::SetForegroundWindow(m_main.GetSafeHwnd());
    // Not under a window over this one, whose answer is still to come.
    if (m_pModal)
        return;
    if (CGameServer* pServer = m_core.Servers().Find(m_core.NoticedServer()))
        GoToServer(pServer, CString());
}

void CMonitorWindows::Join()
{
    if (CGameServer* pServer = SelectedServerOrExplain(m_servers))
        JoinRecord(pServer, FALSE);
}

void CMonitorWindows::JoinAsSpectator()
{
    if (CGameServer* pServer = SelectedServerOrExplain(m_servers))
        JoinRecord(pServer, TRUE);
}

void CMonitorWindows::JoinRecord(CGameServer* pServer, BOOL bSpectator)
{
    if (m_core.IsShuttingDown())
        return;
    const CServerStatus status = pServer->GetStatus();
    BOOL bWait = FALSE;
    if (IsServerFull(status)) {
        switch (AfxMessageBox(FullServerQuestion(status), MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            bWait = TRUE;
            break;
        case IDNO:
            break;
        default:
            return;
        }
    }
    // Asked before a wait, so that the game starts the moment a slot frees up.
    CJoinOptions options;
    if (!AskJoinOptions(&m_main, status, bSpectator, options) || m_core.IsShuttingDown())
        return;
    if (bWait)
        WaitForFreeSlot(pServer, options);
    else
        StartJoin(pServer->GetAddress(), status.m_strName, options);
}

// A server the collection no longer holds is joined by its address alone: no
// reply tells whether it is full or needs a password.
void CMonitorWindows::JoinRecent(const CString& strAddress)
{
    if (CGameServer* pServer = m_core.Servers().Find(strAddress)) {
        JoinRecord(pServer, FALSE);
        return;
    }
    const CRecentServer* pRecent = m_core.RecentServers().Find(strAddress);
    StartJoin(strAddress, pRecent ? pRecent->strName : CString(), CJoinOptions());
}

void CMonitorWindows::StartJoin(const CString& strAddress, const CString& strName, const CJoinOptions& options)
{
    if (JoinServer(&m_main, strAddress, options) && !m_core.IsShuttingDown())
        m_core.ServerJoined(strAddress, strName);
}

// One wait at a time: a new one replaces the last. The passwords wait with it,
// in memory only.
void CMonitorWindows::WaitForFreeSlot(CGameServer* pServer, const CJoinOptions& options)
{
    m_pSlotWait = std::make_unique<CSlotWaitDlg>(m_core, pServer, &m_main, [this, options](CGameServer* pFree) {
        StartJoin(pFree->GetAddress(), pFree->GetStatus().m_strName, options);
    });
    if (!m_pSlotWait->Open())
        m_pSlotWait.reset();
}

void CMonitorWindows::CloseAll()
{
    if (m_pModal)
        m_pModal->EndDialog(IDCANCEL);
    m_pFilterDlg.reset();
    m_pSlotWait.reset();
}
