// The windows over the main one and the commands that open them, from the
// system menu and the keys: the about box, Find Player and going to its match,
// Server Details, Join with the wait for a free slot on a full server, copying
// the selected row. A new command is a line of the table in MonitorWindows.cpp.
// The windows are handed the monitor's core, never the main window's insides.
#pragma once

#include <memory>

#include "framework/Framework.h"
#include "framework/SortedListCtrl.h"
#include "ui/core/MonitorCore.h"

class CFindPlayerDlg;
class CSlotWaitDlg;

class CMonitorWindows {
public:
    CMonitorWindows(CDialog& main, CMonitorCore& core, CSortedListCtrl& servers, CSortedListCtrl& players);
    virtual ~CMonitorWindows();
    CMonitorWindows(const CMonitorWindows&) = delete;
    CMonitorWindows& operator=(const CMonitorWindows&) = delete;

    // The table's items at the end of the system menu, after a separator.
    void AddMenuItems(CMenu& menu);
    // A system-menu command (its low four bits cleared) or a key's command;
    // FALSE when it is not the table's.
    BOOL RunMenuCommand(UINT nID);
    BOOL RunKeyCommand(UINT nID);

    // Join Server on the selected row: a full server first asks whether to wait
    // for a free slot.
    void Join();
    // Before the records go: nothing over the main window may read them afterwards.
    void CloseAll();

private:
    void ShowAbout();
    void FindPlayer();
    void ServerDetails();
    void Copy();
    void WaitForFreeSlot(CGameServer* pServer);
    // The server's row selected and in view, its players listed with the player
    // selected, and the focus on the server list, where Enter joins.
    void GoToServer(CGameServer* pServer, const CString& strPlayer);

    struct CCommand {
        UINT nKeyCommand;  // the command of its key, or 0
        UINT nMenuCommand; // its system-menu item, or 0
        const char* pszMenuText;
        void (CMonitorWindows::*pfnRun)();
    };
    static const CCommand kCommands[];
    // Runs the table's command whose id in that field is nID.
    BOOL Run(UINT CCommand::*pnCommand, UINT nID);

    CDialog& m_main;
    CMonitorCore& m_core;
    CSortedListCtrl& m_servers;
    CSortedListCtrl& m_players;
    CFindPlayerDlg* m_pFindDlg = nullptr;
    std::unique_ptr<CSlotWaitDlg> m_pSlotWait;
};
