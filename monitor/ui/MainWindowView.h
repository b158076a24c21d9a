// The main window as the monitor's core sees it: the status line, the caption,
// the list mode button, the progress bar, the core's timer and its messages, and
// while it watches for games its notification-area icon and notices. A
// poll changes the status line and the progress bar thousands of times a second:
// those are shown in one go once the window's message queue has run empty.
#pragma once

#include "framework/Framework.h"
#include "framework/SortedListCtrl.h"
#include "ui/TrayIcon.h"
#include "ui/core/MonitorView.h"

class CMainWindowView : public CMonitorView {
public:
    // window: the main dialog, whose status text strStatus goes to its status line;
    // servers: its server list.
    CMainWindowView(CDialog& window, CString& strStatus, CProgressCtrl& progress, CButton& listModeButton,
                    const CSortedListCtrl& servers);
    virtual ~CMainWindowView() = default;

    void ShowStatus(const CString& strStatus, BOOL bAtOnce) override;
    void ShowCaption(const CString& strCaption) override;
    void ShowListModeButton(const char* pszCaption) override;
    void ShowProgress(int nRange) override;
    void StepProgress() override;
    void HideProgress() override;
    void SetTimer(UINT nTimer, DWORD dwDelayMs) override;
    void KillTimer(UINT nTimer) override;
    void Report(const CString& strMessage) override;
    CGameServer* SelectedServer() const override;
    void ShowWatching(BOOL bWatching, const CString& strTip) override;
    void ShowNotice(const CString& strText) override;

    // The progress bar shown, with the status line ending at the player list's
    // right edge; hidden, with the status line over its place.
    void ShowProgressBar();
    void HideProgressBar();
    // The window's timer for the deferred display: TRUE when it was nIDEvent.
    BOOL TimerFired(UINT_PTR nIDEvent);

    static constexpr UINT DISPLAY_TIMER = 1;

private:
    void ScheduleDisplay();
    void StretchStatusTo(int nRight);
    int ClientRightOf(int nControl);

    CDialog& m_window;
    CString& m_strStatus;
    CProgressCtrl& m_progress;
    CButton& m_btnListMode;
    const CSortedListCtrl& m_servers;
    BOOL m_bDisplayScheduled = FALSE;
    BOOL m_bStatusPending = FALSE;
    int m_nProgressPos = 0;
    CTrayIcon m_tray;
};
