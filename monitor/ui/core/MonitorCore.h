// The monitor's rules without a window: the server collection, the poll, the two
// lists' rows, the caption's totals, the marks, the list mode and the settings,
// with the saves of what the user changed. The main window is a view of it
// (CMonitorView): it hands the core the user's clicks and keys, and the core
// tells it what to show. GUI thread only, but for the query threads it starts.
#pragma once

#include <vector>

#include "framework/ProfileFile.h"
#include "query/GameServer.h"
#include "ui/core/BuddyList.h"
#include "ui/core/GameWatch.h"
#include "ui/core/MonitorView.h"
#include "ui/core/PlayerRows.h"
#include "ui/core/PollState.h"
#include "ui/core/RecentServers.h"
#include "ui/core/RunStateSaver.h"
#include "ui/core/SaveSchedule.h"
#include "ui/core/ServerCollection.h"
#include "ui/core/ServerFilter.h"
#include "ui/core/ServerRows.h"
#include "ui/core/Settings.h"

class CMonitorCore {
public:
    // strHome: the folder the program started in, where its files lie whatever
    // becomes the current folder later; profile: the settings file.
    CMonitorCore(CMonitorView& view, const CString& strHome, const CProfileFile& profile);
    virtual ~CMonitorCore();
    CMonitorCore(const CMonitorCore&) = delete;
    CMonitorCore& operator=(const CMonitorCore&) = delete;

    // --- start-up, in this order ---------------------------------------------------
    // Reads the settings; the list mode button shows the stored mode, the lists
    // take the stored sorts and the rows the stored filters.
    void ReadSettings();
    // The collection's add: see CServerCollection::Add.
    CGameServer* AddServer(CGameServer* pServer, BOOL bFromFile);
    // The master list could not be fetched (no answer, a refusal, a reply cut
    // short): the server list file's servers of the last run stand in for it.
    void UseLastMasterList() { m_bLastMasterList = TRUE; }
    // Merges the server list file, shows its records and sorts; FALSE when it
    // cannot be opened. Servers of the last run that stand in for the master list
    // are said so in the status line when the first poll ends.
    BOOL LoadServerList(const CString& strPath);
    // recent.txt; a missing or damaged one gives what it has of good lines.
    void LoadRecentServers();
    // buddies.txt, likewise.
    void LoadBuddies();
    // Settings and the server list have been read: changes are saved from now on.
    void StartUpDone() { m_bRunStateRead = TRUE; }

    // --- the poll ------------------------------------------------------------------
    void StartPolling();
    void StartNextQuery();
    // A WM_QUERYDONE of the record: its row shows the reply, and the poll goes on.
    void QueryDone(CGameServer* pServer);
    BOOL IsPolling() const { return m_poll.IsPolling(); }
    const CPollState& Poll() const { return m_poll; }
    int GetThreadBudget() const { return m_settings.GetNumber(SETTING_NUM_QUERY_THREADS); }
    // From the next poll on.
    void SetThreadBudget(int nBudget);
    // One query of the record, as a left click between polls makes it; none while
    // a poll runs.
    void AskServerAgain(CGameServer* pServer);
    // The same for a window that follows the record (the wait for a free slot):
    // its reply shows in the player list only while the record's row is the
    // selected one, so that the players the user is looking at stay.
    void AskServerForWatcher(CGameServer* pServer);

    // --- the lists -------------------------------------------------------------------
    CServerCollection& Servers() { return m_servers; }
    CRowTable& ServerRows() { return m_rows.Table(); }
    CRowTable& PlayerRows() { return m_players.Table(); }
    int GetListMode() const { return m_rows.GetListMode(); }
    // Every record's row follows the new mode; the player list ends with the last
    // listed record's players.
    void ShowListMode(int nMode);
    void ShowNextListMode();
    // The rows follow the new filters, in every list mode.
    const CServerFilter& GetFilter() const { return m_rows.GetFilter(); }
    void SetFilter(const CServerFilter& filter);
    bool IsFilteredOut(const CGameServer* pServer) const { return m_rows.IsFilteredOut(pServer); }
    // The record's row agrees with it; when listed, the player list shows its players.
    void UpdateServerItem(CGameServer* pServer);
    void SortServerList(int nColumn, BOOL bAscending);
    void SortPlayerList(int nColumn, BOOL bAscending);
    // A left click on the record's row: between polls it is asked again, during
    // one its row and players are shown as they are.
    void ClickServer(CGameServer* pServer);
    // A right click: neither, favourite, ignored, neither.
    void CycleMarks(CGameServer* pServer);
    void UpdateCaption();
    // A list's column widths as the user left them, at 96 DPI: empty until the
    // user sizes one (the list then sizes them itself). id: SETTING_SERVER_COLUMN_WIDTHS
    // or SETTING_PLAYER_COLUMN_WIDTHS.
    std::vector<int> GetColumnWidths(SettingId id, int nColumns) const;
    void SetColumnWidths(SettingId id, const std::vector<int>& widths);
    // A window over the main one that follows the records' replies.
    void AddWatcher(CServerWatcher* pWatcher);
    void RemoveWatcher(CServerWatcher* pWatcher);

    // --- the servers joined lately -----------------------------------------------------
    const CRecentServers& RecentServers() const { return m_recent; }
    // A game was started for the server, by whatever route: it goes to the top.
    void ServerJoined(const CString& strAddress, const CString& strName);
    void ForgetRecentServer(const CString& strAddress);

    // --- buddies and watching for games ---------------------------------------------
    const CBuddyList& Buddies() const { return m_buddies; }
    // FALSE when it is no name or listed already (CBuddyList::Add). The rows follow.
    BOOL AddBuddy(const CString& strName);
    void RemoveBuddy(const CString& strName);
    // While watching, a poll of its own starts WatchMinutes after the last one
    // ended, and a poll's news is told.
    BOOL IsWatching() const { return m_settings.GetNumber(SETTING_WATCH_FOR_GAMES) == 1; }
    void SetWatching(BOOL bWatching);
    // The server of the last notice, for a click on it; empty before the first.
    const CString& NoticedServer() const { return m_strNoticedServer; }

    // --- saving ----------------------------------------------------------------------
    // WM_RUNSTATESAVED: a save handed to the saver's thread has ended.
    void RunStateSaved();
    // The final write, at most once a run: at shut-down (a failure reported) or
    // when the session ends (nothing reported: a box would stall the log-off).
    void SaveRunState(BOOL bReportFailure);
    // The core's timer, set through the view.
    void TimerFired(UINT nTimer);
    static constexpr UINT SAVE_TIMER = 2;
    static constexpr UINT WATCH_TIMER = 3;

    // Shut-down begins with the final write (a failure is reported); from then on
    // no new query starts...
    void BeginShutDown();
    // ...and it ends with the rows emptied and every record deleted (each waits
    // for its running query). Notices that come later are dropped.
    void ShutDown();
    BOOL IsShuttingDown() const { return m_bShuttingDown; }

    CSettings& Settings() { return m_settings; }
    // A file of the program's, by its full path in the folder it started in.
    CString HomeFile(const char* pszName) const;

private:
    // The record's row shows the status; when listed and bFillPlayers, the player
    // list its players.
    void ShowServerItem(CGameServer* pServer, const CServerStatus& status, BOOL bFillPlayers);
    void CountPollNotice();
    void EndPolling();
    BOOL StartSingleQuery(CGameServer* pServer);
    // Every record's row follows the mode and the filters, from what it showed last.
    void ReadmitAll(BOOL bFillPlayers);
    void RunStateChanged();
    void ScheduleSave();
    void ReportSaveFailures();
    CRunState CurrentRunState() const;
    void ServerNoticed(CGameServer* pServer);
    void BuddiesChanged();
    void ShowWatching();
    // Sets the watch's timer for the next poll of its own, or cancels it.
    void ScheduleWatchPoll();
    BOOL WriteSetting(const CString& strKey, const CString& strValue, CString& strReason) const;

    CMonitorView& m_view;
    const CString m_strHome;
    const CProfileFile m_profile;
    CSettings m_settings;
    CServerCollection m_servers;
    CPollState m_poll;
    CServerRows m_rows;
    CPlayerRows m_players;
    CRecentServers m_recent;
    BOOL m_bRecentChanged = FALSE; // recent.txt is written only once it has changed
    BOOL m_bLastMasterList = FALSE;
    CString m_strPollEndNote; // said instead of "Ready" when the first poll ends
    std::vector<CServerWatcher*> m_watchers;
    CBuddyList m_buddies;
    BOOL m_bBuddiesChanged = FALSE; // buddies.txt is written only once it has changed
    CGameWatch m_watch;
    CString m_strNoticedServer;
    DWORD m_dwLastPollEnded = 0;

    BOOL m_bShuttingDown = FALSE;
    BOOL m_bRunStateRead = FALSE; // start-up has read the settings and serverlist.txt
    BOOL m_bRunStateSaved = FALSE;
    CSaveSchedule m_saveSchedule;
    CRunStateSaver m_saver;
};
