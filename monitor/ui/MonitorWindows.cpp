#include "ui/MonitorWindows.h"

#include "extras/JoinServer.h"
#include "extras/SelectedServer.h"
#include "res/resource.h"
#include "ui/core/FreeSlot.h"
#include "ui/core/ListMode.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/FindPlayerDlg.h"
#include "ui/dialogs/ServerDetailsDlg.h"
#include "ui/dialogs/SlotWaitDlg.h"

const CMonitorWindows::CCommand CMonitorWindows::kCommands[] = {
    {0, IDM_ABOUTBOX, "About Kelvane Monitor...", &CMonitorWindows::ShowAbout},
    {ID_FIND_PLAYER, IDM_FINDPLAYER, "Find Player...", &CMonitorWindows::FindPlayer},
    {ID_SERVER_DETAILS, IDM_SERVERDETAILS, "Server Details...", &CMonitorWindows::ServerDetails},
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

void CMonitorWindows::FindPlayer()
{
    if (m_pFindDlg || m_core.IsShuttingDown())
        return;
    CFindPlayerDlg dlg(m_core, &m_main);
    m_pFindDlg = &dlg;
    const INT_PTR nResult = dlg.DoModal();
    m_pFindDlg = nullptr;
    if (nResult == IDOK && dlg.m_pChosenServer && !m_core.IsShuttingDown())
        GoToServer(dlg.m_pChosenServer, dlg.m_strChosenPlayer);
}

void CMonitorWindows::GoToServer(CGameServer* pServer, const CString& strPlayer)
{
    const LPARAM key = reinterpret_cast<LPARAM>(pServer);
    m_core.UpdateServerItem(pServer);
    if (!m_core.ServerRows().Contains(key)) {
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

void CMonitorWindows::Join()
{
    CGameServer* pServer = reinterpret_cast<CGameServer*>(m_servers.GetSelectedKey());
    if (pServer) {
        const CServerStatus status = pServer->GetStatus();
        if (IsServerFull(status)) {
            switch (AfxMessageBox(FullServerQuestion(status), MB_YESNOCANCEL | MB_ICONQUESTION)) {
            case IDYES:
                WaitForFreeSlot(pServer);
                return;
            case IDNO:
                // The server the question named, whatever the selection is now.
                JoinServer(&m_main, pServer);
                return;
            default:
                return;
            }
        }
    }
    JoinSelectedServer(&m_main, m_servers);
}

// One wait at a time: a new one replaces the last.
void CMonitorWindows::WaitForFreeSlot(CGameServer* pServer)
{
    m_pSlotWait = std::make_unique<CSlotWaitDlg>(m_core, pServer, &m_main);
    if (!m_pSlotWait->Open())
        m_pSlotWait.reset();
}

void CMonitorWindows::CloseAll()
{
    if (m_pFindDlg)
        m_pFindDlg->EndDialog(IDCANCEL);
    m_pSlotWait.reset();
}
