#include "ui/core/MonitorCore.h"

#include <algorithm>

#include "framework/Platform.h"
#include "query/WordFilter.h"
#include "ui/core/Caption.h"
#include "ui/core/ListMode.h"

CMonitorCore::CMonitorCore(CMonitorView& view, const CString& strHome, const CProfileFile& profile)
    : m_view(view), m_strHome(strHome), m_profile(profile),
      m_saver({HomeFile(SERVER_LIST_FILE), HomeFile(RECENT_FILE), HomeFile(BUDDIES_FILE), profile.GetPath()},
              [this](const CString& strKey, const CString& strValue, CString& strReason) {
                  return WriteSetting(strKey, strValue, strReason);
              })
{
    UseWordListFile(HomeFile("obscenities.txt"));
    m_rows.SetBuddies(&m_buddies);
    m_players.SetBuddies(&m_buddies);
}

// A core that ends without the shut-down sequence (a test's) still frees its records.
CMonitorCore::~CMonitorCore()
{
    ShutDown();
}

CString CMonitorCore::HomeFile(const char* pszName) const
{
    return AfxPathIn(m_strHome, pszName);
}

BOOL CMonitorCore::WriteSetting(const CString& strKey, const CString& strValue, CString& strReason) const
{
    return m_profile.WriteString(SETTINGS_SECTION, strKey, strValue, &strReason);
}

void CMonitorCore::ReadSettings()
{
    m_settings.Read([this](const char* pszKey, const char* pszDefault) {
        return m_profile.GetString(SETTINGS_SECTION, pszKey, pszDefault);
    });
    m_rows.SetListMode(m_settings.GetNumber(SETTING_SERVER_LIST_MODE));
    m_rows.SetFilter(CServerFilter::ReadFrom(m_settings));
    m_view.ShowListModeButton(ListModeButtonCaption(GetListMode()));
    ServerRows().Sort(m_settings.GetNumber(SETTING_SERVER_SORT_COLUMN),
                      m_settings.GetNumber(SETTING_SERVER_SORT_ASCENDING));
    // The player list's rows come in reply order; its last sort decides where the
    // next click on a heading goes.
    const int nPlayerColumn = m_settings.GetNumber(SETTING_PLAYER_SORT_COLUMN);
    if (nPlayerColumn >= 0)
        PlayerRows().Sort(nPlayerColumn, m_settings.GetNumber(SETTING_PLAYER_SORT_ASCENDING));
    ShowWatching();
}

void CMonitorCore::LoadRecentServers()
{
    m_recent.Load(HomeFile(RECENT_FILE));
}

void CMonitorCore::LoadBuddies()
{
    m_buddies.Load(HomeFile(BUDDIES_FILE));
}

// --- the collection ------------------------------------------------------------------

CGameServer* CMonitorCore::AddServer(CGameServer* pServer, BOOL bFromFile)
{
    return m_servers.Add(pServer, bFromFile);
}

BOOL CMonitorCore::LoadServerList(const CString& strPath)
{
    CRowTable::CBatch batch(ServerRows());
    BOOL bLastRunListed = FALSE;
    auto kept = [this, &bLastRunListed](CGameServer* pServer) {
        bLastRunListed |= pServer->IsFavorite() != 1;
        UpdateServerItem(pServer);
    };
    if (!m_servers.Load(strPath, kept, m_bLastMasterList))
        return FALSE;
    // A first run without the web has nothing of a last run to speak of.
    if (bLastRunListed && m_bLastMasterList)
        m_strPollEndNote = "The master list could not be fetched: these are the servers of the last run.";
    ServerRows().Resort();
    return TRUE;
}

// --- the poll --------------------------------------------------------------------------

void CMonitorCore::SetThreadBudget(int nBudget)
{
    if (m_settings.SetNumber(SETTING_NUM_QUERY_THREADS, nBudget))
        RunStateChanged();
}

void CMonitorCore::StartPolling()
{
    if (!m_poll.Begin(m_servers.GetCount()))
        return;
    m_view.KillTimer(WATCH_TIMER);
    m_view.ShowCaption(PollingCaption());
    m_players.Clear();
    m_view.ShowProgress(m_servers.GetCount());
    if (!m_poll.IsPolling()) {
        EndPolling();
        return;
    }
    for (int i = 0; m_poll.WantsFirstQuery(i, GetThreadBudget(), m_servers.GetCount()); ++i)
        StartNextQuery();
}

// Takes the poll's next records until one has a notice to come; records that are
// not queried (ignored, or no thread) count as finished on the spot. A loop, not
// recursion through the notice handler, so a long run of them costs no stack.
void CMonitorCore::StartNextQuery()
{
    // No query starts once the close has begun, though the box of a failed save
    // still hands over the poll's notices.
    if (m_bShuttingDown)
        return;
    for (;;) {
        CGameServer* pServer = m_servers.GetAt(m_poll.TakeNext(m_servers.GetCount()));
        if (!pServer)
            return;
        CString strStatus;
        strStatus.Format("Querying server at %s...", static_cast<const char*>(pServer->GetAddress()));
        m_view.ShowStatus(strStatus, FALSE);

        if (pServer->IsIgnored() != 1) {
            BOOL bStarted = pServer->StartQuery();
            if (bStarted || pServer->IsQuerying()) {
                m_poll.AwaitQuery(pServer, bStarted);
                return;
            }
        }
        UpdateServerItem(pServer);
        CountPollNotice();
        if (!m_poll.IsPolling())
            return;
    }
}

void CMonitorCore::QueryDone(CGameServer* pServer)
{
    switch (m_poll.TakeNotice(pServer)) {
    case CPollState::NOTICE_OF_POLL: {
        // The next query goes out first: the network waits for nothing the window does.
        StartNextQuery();
        const CServerStatus status = pServer->GetStatus();
        ShowServerItem(pServer, status, TRUE);
        m_watch.ServerPolled(pServer->GetAddress(), status, pServer->IsFavorite(), m_buddies,
                             m_settings.GetNumber(SETTING_WATCH_PLAYERS));
        CountPollNotice();
        break;
    }
    case CPollState::NOTICE_OF_CLICK:
    case CPollState::NOTICE_OTHER:
        UpdateServerItem(pServer);
        break;
    case CPollState::NOTICE_OF_WATCHER:
        ShowServerItem(pServer, pServer->GetStatus(), m_view.SelectedServer() == pServer);
        break;
    case CPollState::NOTICE_OF_CLICK_HIDDEN:
    case CPollState::NOTICE_DROPPED:
        return;
    }
    ServerNoticed(pServer);
}

void CMonitorCore::CountPollNotice()
{
    m_view.StepProgress();
    if (m_poll.CountNotice())
        EndPolling();
}

void CMonitorCore::EndPolling()
{
    m_view.ShowStatus(m_strPollEndNote.IsEmpty() ? CString("Ready") : m_strPollEndNote, TRUE);
    m_strPollEndNote = "";
    ServerRows().Resort();
    UpdateCaption();
    m_view.HideProgress();
    m_dwLastPollEnded = AfxGetTickCount();
    const std::vector<CWatchNews> news = m_watch.TakeNews();
    if (IsWatching() && !news.empty()) {
        m_strNoticedServer = news.front().strAddress;
        m_view.ShowNotice(WatchNoticeText(news));
    }
    ShowWatching();
    ScheduleWatchPoll();
}

BOOL CMonitorCore::StartSingleQuery(CGameServer* pServer)
{
    // Its notice refreshes the row; it is no poll's business.
    return !m_poll.IsPolling() && !m_bShuttingDown && pServer->StartQuery();
}

void CMonitorCore::AskServerAgain(CGameServer* pServer)
{
    if (StartSingleQuery(pServer))
        m_poll.AwaitClick(pServer);
}

void CMonitorCore::AskServerForWatcher(CGameServer* pServer)
{
    if (StartSingleQuery(pServer))
        m_poll.AwaitWatcherQuery(pServer);
}

// --- the lists -------------------------------------------------------------------------

void CMonitorCore::UpdateServerItem(CGameServer* pServer)
{
    ShowServerItem(pServer, pServer->GetStatus(), TRUE);
}

void CMonitorCore::ShowServerItem(CGameServer* pServer, const CServerStatus& status, BOOL bFillPlayers)
{
    if (!m_rows.Show(pServer, status) || !bFillPlayers)
        return;
    // Nothing to show over nothing: the common case of a silent server.
    if (status.m_players.empty() && PlayerRows().GetCount() == 0)
        return;
    m_players.Fill(status);
}

void CMonitorCore::ShowListMode(int nMode)
{
    m_settings.SetNumber(SETTING_SERVER_LIST_MODE, nMode);
    m_rows.SetListMode(m_settings.GetNumber(SETTING_SERVER_LIST_MODE));
    m_view.ShowListModeButton(ListModeButtonCaption(GetListMode()));
    ReadmitAll(TRUE);
    UpdateCaption();
    RunStateChanged();
}

void CMonitorCore::SetFilter(const CServerFilter& filter)
{
    if (!filter.SaveTo(m_settings))
        return;
    // As the settings take it: a ping limit out of range is no limit.
    m_rows.SetFilter(CServerFilter::ReadFrom(m_settings));
    // The player list stays: a filter hides rows, it shows no other server.
    ReadmitAll(FALSE);
    UpdateCaption();
    RunStateChanged();
}

void CMonitorCore::ReadmitAll(BOOL bFillPlayers)
{
    // After a mode change the player list ends with the last listed record's
    // players: it is filled once.
    CRowTable::CBatch batch(ServerRows());
    const CGameServer* pLastListed = nullptr;
    for (CGameServer* pServer : m_servers) {
        if (m_rows.Readmit(pServer))
            pLastListed = pServer;
    }
    if (bFillPlayers && pLastListed)
        m_players.Fill(pLastListed->GetStatus());
    ServerRows().Resort();
}

void CMonitorCore::ShowNextListMode()
{
    ShowListMode(NextListMode(GetListMode()));
}

void CMonitorCore::SortServerList(int nColumn, BOOL bAscending)
{
    ServerRows().Sort(nColumn, bAscending);
    if (m_settings.SetNumber(SETTING_SERVER_SORT_COLUMN, nColumn)
        | m_settings.SetNumber(SETTING_SERVER_SORT_ASCENDING, bAscending ? 1 : 0))
        RunStateChanged();
}

void CMonitorCore::SortPlayerList(int nColumn, BOOL bAscending)
{
    PlayerRows().Sort(nColumn, bAscending);
    if (m_settings.SetNumber(SETTING_PLAYER_SORT_COLUMN, nColumn)
        | m_settings.SetNumber(SETTING_PLAYER_SORT_ASCENDING, bAscending ? 1 : 0))
        RunStateChanged();
}

void CMonitorCore::ClickServer(CGameServer* pServer)
{
    if (m_poll.IsPolling()) {
        UpdateServerItem(pServer);
        return;
    }
    AskServerAgain(pServer);
    UpdateCaption();
}

void CMonitorCore::CycleMarks(CGameServer* pServer)
{
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

void CMonitorCore::UpdateCaption()
{
    m_view.ShowCaption(
        TotalsCaption(m_rows.CountAnswering(), m_rows.CountPlayers(), GetListMode(), m_rows.CountHidden()));
}

std::vector<int> CMonitorCore::GetColumnWidths(SettingId id, int nColumns) const
{
    return ReadWidthList(m_settings.GetText(id), nColumns);
}

void CMonitorCore::SetColumnWidths(SettingId id, const std::vector<int>& widths)
{
    if (m_settings.Set(id, WidthListText(widths)))
        RunStateChanged();
}

// --- the servers joined lately ---------------------------------------------------------

void CMonitorCore::ServerJoined(const CString& strAddress, const CString& strName)
{
    m_recent.Joined(strAddress, strName, RecentTimeText(std::time(nullptr)));
    m_bRecentChanged = TRUE;
    RunStateChanged();
}

void CMonitorCore::ForgetRecentServer(const CString& strAddress)
{
    if (!m_recent.Remove(strAddress))
        return;
    m_bRecentChanged = TRUE;
    RunStateChanged();
}

void CMonitorCore::AddWatcher(CServerWatcher* pWatcher)
{
    m_watchers.push_back(pWatcher);
}

void CMonitorCore::RemoveWatcher(CServerWatcher* pWatcher)
{
    m_watchers.erase(std::remove(m_watchers.begin(), m_watchers.end(), pWatcher), m_watchers.end());
}

void CMonitorCore::ServerNoticed(CGameServer* pServer)
{
    // A watcher may stop watching while it is told.
    const std::vector<CServerWatcher*> watchers = m_watchers;
    for (CServerWatcher* pWatcher : watchers) {
        if (std::find(m_watchers.begin(), m_watchers.end(), pWatcher) != m_watchers.end())
            pWatcher->ServerNoticed(pServer);
    }
}

// --- buddies and watching for games -----------------------------------------------------

BOOL CMonitorCore::AddBuddy(const CString& strName)
{
    if (!m_buddies.Add(strName))
        return FALSE;
    BuddiesChanged();
    return TRUE;
}

void CMonitorCore::RemoveBuddy(const CString& strName)
{
    if (m_buddies.Remove(strName))
        BuddiesChanged();
}

void CMonitorCore::BuddiesChanged()
{
    m_bBuddiesChanged = TRUE;
    {
        CRowTable::CBatch batch(ServerRows());
        for (CGameServer* pServer : m_servers)
            m_rows.Rematch(pServer);
    }
    m_players.Restyle();
    RunStateChanged();
}

void CMonitorCore::SetWatching(BOOL bWatching)
{
    if (!m_settings.SetNumber(SETTING_WATCH_FOR_GAMES, bWatching ? 1 : 0))
        return;
    ShowWatching();
    ScheduleWatchPoll();
    RunStateChanged();
}

void CMonitorCore::ShowWatching()
{
    m_view.ShowWatching(IsWatching(), IsWatching() ? WatchTooltip(m_watch.PlayersOnline()) : CString());
}

// A poll that is overdue (watching was turned on long after the last one) starts
// at the timer's first tick.
void CMonitorCore::ScheduleWatchPoll()
{
    m_view.KillTimer(WATCH_TIMER);
    if (!IsWatching() || m_poll.IsPolling() || m_bShuttingDown)
        return;
    const DWORD dwPeriod = static_cast<DWORD>(m_settings.GetNumber(SETTING_WATCH_MINUTES)) * 60000;
    const DWORD dwSince = AfxGetTickCount() - m_dwLastPollEnded;
    m_view.SetTimer(WATCH_TIMER, dwSince < dwPeriod ? dwPeriod - dwSince : 0);
}

// --- saving ----------------------------------------------------------------------------

// The records are copied under their locks, so queries may run meanwhile; the
// copy is all the window thread does for a save.
CRunState CMonitorCore::CurrentRunState() const
{
    CRunState state{m_settings.WrittenValues(), m_servers.Snapshot(), std::nullopt, std::nullopt};
    if (m_bRecentChanged)
        state.recent = m_recent.Servers();
    if (m_bBuddiesChanged)
        state.buddies = m_buddies.Names();
    return state;
}

// Until start-up has read the settings and the server list, writing would put
// defaults and a list without the stored favourites over them; after the final
// write, nothing more is written.
void CMonitorCore::RunStateChanged()
{
    if (!m_bRunStateRead || m_bRunStateSaved)
        return;
    m_saveSchedule.Changed(AfxGetTickCount());
    ScheduleSave();
}

// Starts the write when it is due, or sets the timer for it.
void CMonitorCore::ScheduleSave()
{
    m_view.KillTimer(SAVE_TIMER);
    if (m_bRunStateSaved)
        return;
    const DWORD dwDueIn = m_saveSchedule.DueIn(AfxGetTickCount());
    if (dwDueIn == CSaveSchedule::NEVER)
        return;
    if (dwDueIn > 0) {
        m_view.SetTimer(SAVE_TIMER, dwDueIn);
        return;
    }
    m_saveSchedule.WriteStarted();
    m_saver.SaveSoon(CurrentRunState());
}

void CMonitorCore::TimerFired(UINT nTimer)
{
    if (nTimer == SAVE_TIMER) {
        ScheduleSave();
    } else if (nTimer == WATCH_TIMER) {
        // The window's timers repeat: this one is the next poll's, once.
        m_view.KillTimer(WATCH_TIMER);
        if (IsWatching() && !m_bShuttingDown)
            StartPolling();
    }
}

void CMonitorCore::RunStateSaved()
{
    m_saveSchedule.WriteEnded();
    ReportSaveFailures();
    ScheduleSave();
}

void CMonitorCore::ReportSaveFailures()
{
    for (const CString& strMessage : m_saver.TakeFailuresToReport())
        m_view.Report(strMessage);
}

void CMonitorCore::SaveRunState(BOOL bReportFailure)
{
    // The program is ending: its icon goes from the notification area with it.
    m_view.KillTimer(WATCH_TIMER);
    m_view.ShowWatching(FALSE, CString());
    if (!m_bRunStateRead || m_bRunStateSaved)
        return;
    m_bRunStateSaved = TRUE;
    m_view.KillTimer(SAVE_TIMER);
    m_saver.SaveNow(CurrentRunState());
    if (bReportFailure)
        ReportSaveFailures();
}

void CMonitorCore::BeginShutDown()
{
    m_bShuttingDown = TRUE;
    SaveRunState(TRUE);
}

void CMonitorCore::ShutDown()
{
    m_bShuttingDown = TRUE;
    m_watchers.clear();
    // Rows point at the records: empty the lists before the records go.
    m_rows.Clear();
    m_players.Clear();
    m_poll.Close();
    m_servers.DeleteAll();
}
