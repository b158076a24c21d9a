#include "ui/core/RunStateSaver.h"

#include "framework/MainWindow.h"
#include "ui/core/BuddyList.h"
#include "ui/core/ServerCollection.h"

CString ServerListSaveFailedMessage(const CString& strReason)
{
    CString strText;
    strText.Format("Your favourite and ignored servers could not be saved to serverlist.txt (%s).",
                   static_cast<LPCTSTR>(strReason));
    return strText;
}

CString RecentSaveFailedMessage(const CString& strReason)
{
    CString strText;
    strText.Format("The servers you joined lately could not be saved to recent.txt (%s).",
                   static_cast<LPCTSTR>(strReason));
    return strText;
}

CString BuddiesSaveFailedMessage(const CString& strReason)
{
    CString strText;
    strText.Format("Your buddies could not be saved to buddies.txt (%s).", static_cast<LPCTSTR>(strReason));
    return strText;
}

CString SettingsSaveFailedMessage(const CString& strPath, const CString& strReason)
{
    CString strText;
    strText.Format("Your settings could not be saved to %s (%s).", static_cast<LPCTSTR>(strPath),
                   static_cast<LPCTSTR>(strReason));
    return strText;
}

void CRunStateSaver::CFailure::Failed(const CString& strText)
{
    if (bTold || bUntold)
        return;
    bUntold = true;
    strMessage = strText;
}

CRunStateSaver::CRunStateSaver(const CPaths& paths, SettingWriter writeSetting)
    : m_paths(paths), m_writeSetting(std::move(writeSetting))
{
}

CRunStateSaver::~CRunStateSaver()
{
    {
        std::lock_guard<CCriticalSection> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.NotifyAll();
    if (m_thread.joinable())
        m_thread.join();
}

void CRunStateSaver::SaveSoon(CRunState state)
{
    {
        std::lock_guard<CCriticalSection> lock(m_mutex);
        m_handedOver = std::move(state);
        if (!m_thread.joinable())
            m_thread = std::thread([this] { Work(); });
    }
    m_wake.NotifyAll();
}

void CRunStateSaver::WaitUntilIdle(std::unique_lock<CCriticalSection>& lock)
{
    m_wake.Wait(lock, [this] { return !m_handedOver && !m_bWriting; });
}

void CRunStateSaver::SaveNow(CRunState state)
{
    {
        std::unique_lock<CCriticalSection> lock(m_mutex);
        WaitUntilIdle(lock);
        m_bWriting = true;
    }
    Write(state);
    {
        std::lock_guard<CCriticalSection> lock(m_mutex);
        m_bWriting = false;
    }
    m_wake.NotifyAll();
}

void CRunStateSaver::Work()
{
    for (;;) {
        CRunState state;
        {
            std::unique_lock<CCriticalSection> lock(m_mutex);
            m_wake.Wait(lock, [this] { return m_handedOver || m_bStop; });
            if (!m_handedOver)
                return;
            // A SaveNow on another thread may be writing: one writer at a time.
            m_wake.Wait(lock, [this] { return !m_bWriting; });
            state = std::move(*m_handedOver);
            m_handedOver.reset();
            m_bWriting = true;
        }
        Write(state);
        {
            std::lock_guard<CCriticalSection> lock(m_mutex);
            m_bWriting = false;
        }
        m_wake.NotifyAll();
        AfxPostToMainWnd(WM_RUNSTATESAVED, 0, 0);
    }
}

template <typename Content, typename Save>
void CRunStateSaver::WriteWhenChanged(std::optional<Content>& written, Content& content, CFailure& failure, Save save,
                                      CString (*message)(const CString& strReason))
{
    if (written == content)
        return;
    CString strReason;
    const BOOL bSaved = save(content, strReason);
    if (bSaved)
        written = std::move(content);
    std::lock_guard<CCriticalSection> lock(m_mutex);
    if (bSaved)
        failure.Succeeded();
    else
        failure.Failed(message(strReason));
}

void CRunStateSaver::Write(CRunState& state)
{
    WriteSettings(state.settings);
    WriteWhenChanged(m_writtenRecords, state.records, m_listFailure,
                     [this](const std::vector<CServerFileRecord>& records, CString& strReason) {
                         return SaveServerFile(m_paths.strList, records, &strReason);
                     },
                     ServerListSaveFailedMessage);
    if (state.recent)
        WriteWhenChanged(m_writtenRecent, *state.recent, m_recentFailure,
                         [this](const std::vector<CRecentServer>& servers, CString& strReason) {
                             return SaveRecentFile(m_paths.strRecent, servers, &strReason);
                         },
                         RecentSaveFailedMessage);
    if (state.buddies)
        WriteWhenChanged(m_writtenBuddies, *state.buddies, m_buddiesFailure,
                         [this](const std::vector<CString>& names, CString& strReason) {
                             return SaveBuddyFile(m_paths.strBuddies, names, &strReason);
                         },
                         BuddiesSaveFailedMessage);
}

// A setting counts as written only once it is stored: one that failed is written
// again by the next save.
void CRunStateSaver::WriteSettings(const std::vector<std::pair<CString, CString>>& settings)
{
    bool bAnyWritten = false;
    CString strReason;
    for (const auto& setting : settings) {
        auto written = m_writtenSettings.find(setting.first);
        if (written != m_writtenSettings.end() && written->second == setting.second)
            continue;
        CString strFailure;
        if (m_writeSetting(setting.first, setting.second, strFailure)) {
            m_writtenSettings[setting.first] = setting.second;
            bAnyWritten = true;
        } else if (strReason.IsEmpty()) {
            strReason = strFailure.IsEmpty() ? CString("unknown reason") : strFailure;
        }
    }
    std::lock_guard<CCriticalSection> lock(m_mutex);
    if (!strReason.IsEmpty())
        m_settingsFailure.Failed(SettingsSaveFailedMessage(m_paths.strSettings, strReason));
    else if (bAnyWritten)
        m_settingsFailure.Succeeded();
}

std::vector<CString> CRunStateSaver::TakeFailuresToReport()
{
    std::vector<CString> messages;
    std::lock_guard<CCriticalSection> lock(m_mutex);
    for (CFailure* pFailure : {&m_listFailure, &m_recentFailure, &m_buddiesFailure, &m_settingsFailure}) {
        if (!pFailure->bUntold)
            continue;
        pFailure->bUntold = false;
        pFailure->bTold = true;
        messages.push_back(pFailure->strMessage);
    }
    return messages;
}
