// Writes what the shut-down writes (the two settings and serverlist.txt) while the
// program runs, on a thread of its own, so that a list of thousands of records
// never stalls the window. Only what changed since the last write is written.
#pragma once

#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "framework/ThreadSync.h"
#include "query/GameServer.h"

// Posted to the main window when a write handed over with SaveSoon has ended.
#define WM_RUNSTATESAVED (WM_USER + 2)

// What the shut-down writes, copied out of the main window at one moment.
struct CRunState {
    int nNumQueryThreads = 0;
    int nServerListMode = 0;
    std::vector<CServerFileRecord> records;
};

// The text of the message box that reports a failed save of the server list.
CString ServerListSaveFailedMessage(const CString& strReason);

class CRunStateSaver {
public:
    // Writes the two settings keys; called on the saver's thread.
    using SettingsWriter = std::function<void(int nNumQueryThreads, int nServerListMode)>;

    CRunStateSaver(const CString& strListPath, SettingsWriter writeSettings);
    // Finishes a write handed over and not yet done, then ends the thread.
    virtual ~CRunStateSaver();
    CRunStateSaver(const CRunStateSaver&) = delete;
    CRunStateSaver& operator=(const CRunStateSaver&) = delete;

    // Hands the state to the saver's thread and returns at once; WM_RUNSTATESAVED
    // follows when it is written. A state handed over before it was taken is replaced.
    void SaveSoon(CRunState state);
    // Writes on the calling thread, after any write handed over earlier.
    void SaveNow(CRunState state);

    // TRUE, with the system's reason, when a save of the list has failed and no
    // failure was reported since the run began or a save last succeeded.
    BOOL TakeFailureToReport(CString& strReason);

private:
    void Work();
    // The writer alone (m_bWriting held) touches what was last written.
    void Write(CRunState& state);
    void WaitUntilIdle(std::unique_lock<CCriticalSection>& lock);

    const CString m_strListPath;
    const SettingsWriter m_writeSettings;

    mutable CCriticalSection m_mutex;
    CConditionVariable m_wake;
    std::optional<CRunState> m_handedOver;
    bool m_bWriting = false;
    bool m_bStop = false;
    bool m_bFailureUntold = false;
    bool m_bFailureTold = false;
    CString m_strFailure;

    std::optional<std::pair<int, int>> m_writtenSettings;
    std::optional<std::vector<CServerFileRecord>> m_writtenRecords;

    std::thread m_thread; // started by the first SaveSoon
};
