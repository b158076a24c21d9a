// Writes what the shut-down writes (the settings, serverlist.txt, recent.txt) while the
// program runs, on a thread of its own, so that a list of thousands of records
// never stalls the window. Only what changed since the last write that succeeded
// is written: a failed write is tried again with the next save.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "framework/ThreadSync.h"
#include "query/GameServer.h"
#include "ui/core/RecentServers.h"

// Posted to the main window when a write handed over with SaveSoon has ended.
#define WM_RUNSTATESAVED (WM_USER + 2)

// What the shut-down writes, copied out of the main window at one moment.
struct CRunState {
    std::vector<std::pair<CString, CString>> settings; // key, value
    std::vector<CServerFileRecord> records;
    // Only once the user has joined or removed one: the file is not written before.
    std::optional<std::vector<CRecentServer>> recent;
    // Likewise buddies.txt, once the user has changed the list.
    std::optional<std::vector<CString>> buddies;
};

// The texts of the message boxes that report a failed save.
CString ServerListSaveFailedMessage(const CString& strReason);
CString RecentSaveFailedMessage(const CString& strReason);
CString BuddiesSaveFailedMessage(const CString& strReason);
CString SettingsSaveFailedMessage(const CString& strPath, const CString& strReason);

class CRunStateSaver {
public:
    // Stores one setting; FALSE, with the system's reason, when it was not stored.
    // Called on the saver's thread.
    using SettingWriter = std::function<BOOL(const CString& strKey, const CString& strValue, CString& strReason)>;

    // The files by their full paths: serverlist.txt, recent.txt and buddies.txt;
    // strSettingsPath: the settings file as a failure names it.
    struct CPaths {
        CString strList;
        CString strRecent;
        CString strBuddies;
        CString strSettings;
    };
    CRunStateSaver(const CPaths& paths, SettingWriter writeSetting);
    // Finishes a write handed over and not yet done, then ends the thread.
    virtual ~CRunStateSaver();
    CRunStateSaver(const CRunStateSaver&) = delete;
    CRunStateSaver& operator=(const CRunStateSaver&) = delete;

    // Hands the state to the saver's thread and returns at once; WM_RUNSTATESAVED
    // follows when it is written. A state handed over before it was taken is replaced.
    void SaveSoon(CRunState state);
    // Writes on the calling thread, after any write handed over earlier.
    void SaveNow(CRunState state);

    // The messages of failed saves not told yet: each kind (the list, the recent
    // servers, the buddies, the settings) once, until a save of it succeeds again.
    std::vector<CString> TakeFailuresToReport();

private:
    // Whether a kind of save failed, and whether the user knows.
    struct CFailure {
        bool bUntold = false;
        bool bTold = false;
        CString strMessage;
        void Succeeded() { bUntold = bTold = false; }
        void Failed(const CString& strText);
    };

    void Work();
    // The writer alone (m_bWriting held) touches what was last written.
    void Write(CRunState& state);
    void WriteSettings(const std::vector<std::pair<CString, CString>>& settings);
    // A file's content, unless it is what was last written there: save(content,
    // reason) writes it whole; a failure is told by message(reason).
    template <typename Content, typename Save>
    void WriteWhenChanged(std::optional<Content>& written, Content& content, CFailure& failure, Save save,
                          CString (*message)(const CString& strReason));
    void WaitUntilIdle(std::unique_lock<CCriticalSection>& lock);

    const CPaths m_paths;
    const SettingWriter m_writeSetting;

    mutable CCriticalSection m_mutex;
    CConditionVariable m_wake;
    std::optional<CRunState> m_handedOver;
    bool m_bWriting = false;
    bool m_bStop = false;
    CFailure m_listFailure;
    CFailure m_recentFailure;
    CFailure m_buddiesFailure;
    CFailure m_settingsFailure;

    std::map<CString, CString> m_writtenSettings;
    std::optional<std::vector<CServerFileRecord>> m_writtenRecords;
    std::optional<std::vector<CRecentServer>> m_writtenRecent;
    std::optional<std::vector<CString>> m_writtenBuddies;

    std::thread m_thread; // started by the first SaveSoon
};
