#include "ui/RunStateSaver.h"

#include "framework/MainWindow.h"
#include "ui/ServerCollection.h"

CString ServerListSaveFailedMessage(const CString& strReason)
{
    CString strText;
    strText.Format("Your favourite and ignored servers could not be saved to serverlist.txt (%s).",
                   static_cast<LPCTSTR>(strReason));
    return strText;
}

CRunStateSaver::CRunStateSaver(const CString& strListPath, SettingsWriter writeSettings)
    : m_strListPath(strListPath), m_writeSettings(std::move(writeSettings))
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

void CRunStateSaver::Write(CRunState& state)
{
    const std::pair<int, int> settings(state.nNumQueryThreads, state.nServerListMode);
    if (m_writtenSettings != settings) {
        m_writeSettings(settings.first, settings.second);
        m_writtenSettings = settings;
    }
    if (m_writtenRecords == state.records)
        return;
    CString strReason;
    const BOOL bSaved = SaveServerFile(m_strListPath, state.records, &strReason);
    if (bSaved)
        m_writtenRecords = std::move(state.records);
    std::lock_guard<CCriticalSection> lock(m_mutex);
    if (bSaved) {
        m_bFailureUntold = m_bFailureTold = false;
    } else if (!m_bFailureTold && !m_bFailureUntold) {
        m_bFailureUntold = true;
        m_strFailure = strReason;
    }
}

BOOL CRunStateSaver::TakeFailureToReport(CString& strReason)
{
    std::lock_guard<CCriticalSection> lock(m_mutex);
    if (!m_bFailureUntold)
        return FALSE;
    m_bFailureUntold = false;
    m_bFailureTold = true;
    strReason = m_strFailure;
    return TRUE;
}
