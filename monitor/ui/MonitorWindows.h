// The windows over the main one and the commands that open them, from the
// system menu and the keys: the about box, Find Player and going to its match,
// Filter Servers, Recent Servers, Server Details, Join (as a player or a
// spectator) with its questions and the wait for a free slot on a full server,
// copying the selected row. A new command is a line of the table in MonitorWindows.cpp.
// The windows are handed the monitor's core, never the main window's insides.
#pragma once

#include <memory>

#include "extras/GameCommand.h"
#include "framework/Framework.h"
#include "framework/SortedListCtrl.h"
#include "ui/core/MonitorCore.h"

class CFilterDlg;
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
    // FALSE when it is not the table's. Minimised while watching for games, the
    // window hides to its notification-area icon.
    BOOL RunMenuCommand(UINT nID);
    BOOL RunKeyCommand(UINT nID);

    // Join Server on the selected row: a full server first asks whether to wait
    // for a free slot, a server that needs a password asks for it.
    void Join();
    // Before the records go: nothing over the main window may read them afterwards.
    void CloseAll();

private:
    // Runs a window over the main one modally, one at a time and not once the
    // program is closing (IDCANCEL then); the main window's close ends it.
    INT_PTR RunModal(CDialog& dlg);
    void ShowAbout();
    void FindPlayer();
    void FilterServers();
    void RecentServers();
    void ServerDetails();
    void JoinAsSpectator();
    void Buddies();
    void ToggleWatching();
    // The window back from the notification-area icon, the last notice's server selected.
    void ShowNoticed();
    void Copy();
    // Every join goes this way, whatever started it: the full server's question,
    // the passwords, then the game, and the server to the top of the recent ones.
    void JoinRecord(CGameServer* pServer, BOOL bSpectator);
    // A recent server: its record's way when the collection holds it.
    void JoinRecent(const CString& strAddress);
    void StartJoin(const CString& strAddress, const CString& strName, const CJoinOptions& options);
    void WaitForFreeSlot(CGameServer* pServer, const CJoinOptions& options);
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
    CDialog* m_pModal = nullptr; // Find Player or Recent Servers, while it runs
    std::unique_ptr<CFilterDlg> m_pFilterDlg;
    std::unique_ptr<CSlotWaitDlg> m_pSlotWait;
};
