#include "ui/MainWindowView.h"

#include "res/resource.h"

// A burst of changes is shown this long after it began; WM_TIMER comes only once
// no other message waits.
static const UINT kDisplayDelayMs = 150;

CMainWindowView::CMainWindowView(CDialog& window, CString& strStatus, CProgressCtrl& progress,
                                 CButton& listModeButton, const CSortedListCtrl& servers)
    : m_window(window), m_strStatus(strStatus), m_progress(progress), m_btnListMode(listModeButton),
      m_servers(servers), m_tray(window.m_hWnd, ID_SHOW_NOTICED)
{
}

CGameServer* CMainWindowView::SelectedServer() const
{
    return m_servers.GetSafeHwnd() ? reinterpret_cast<CGameServer*>(m_servers.GetSelectedKey()) : nullptr;
}

void CMainWindowView::ShowStatus(const CString& strStatus, BOOL bAtOnce)
{
    m_strStatus = strStatus;
    if (bAtOnce) {
        m_bStatusPending = FALSE;
        m_window.UpdateData(FALSE);
        return;
    }
    m_bStatusPending = TRUE;
    ScheduleDisplay();
}

void CMainWindowView::ShowCaption(const CString& strCaption)
{
    m_window.SetWindowText(strCaption);
}

void CMainWindowView::ShowListModeButton(const char* pszCaption)
{
    m_btnListMode.SetWindowText(pszCaption);
}

void CMainWindowView::ShowProgress(int nRange)
{
    m_progress.SetRange32(0, nRange);
    m_progress.SetStep(1);
    m_progress.SetPos(m_nProgressPos = 0);
    ShowProgressBar();
}

void CMainWindowView::StepProgress()
{
    ++m_nProgressPos;
    ScheduleDisplay();
}

void CMainWindowView::HideProgress()
{
    HideProgressBar();
}

void CMainWindowView::ShowProgressBar()
{
    m_progress.ShowWindow(SW_SHOW);
    StretchStatusTo(ClientRightOf(IDC_PLAYER_LIST));
    m_window.GetDlgItem(IDC_STATUS)->UpdateWindow();
    m_progress.UpdateWindow();
}

// The status line then covers the progress bar's place.
void CMainWindowView::HideProgressBar()
{
    m_progress.ShowWindow(SW_HIDE);
    StretchStatusTo(ClientRightOf(IDC_SERVER_LIST) - 1);
}

// Moves the status line's right edge, keeping its left edge, top and height.
void CMainWindowView::StretchStatusTo(int nRight)
{
    CWnd* pStatus = m_window.GetDlgItem(IDC_STATUS);
    CRect rcStatus;
    pStatus->GetWindowRect(&rcStatus);
    m_window.ScreenToClient(&rcStatus);
    pStatus->MoveWindow(rcStatus.left, rcStatus.top, nRight - rcStatus.left, rcStatus.Height());
}

int CMainWindowView::ClientRightOf(int nControl)
{
    CRect rect;
    m_window.GetDlgItem(nControl)->GetWindowRect(&rect);
    m_window.ScreenToClient(&rect);
    return rect.right;
}

void CMainWindowView::SetTimer(UINT nTimer, DWORD dwDelayMs)
{
    m_window.SetTimer(nTimer, dwDelayMs, nullptr);
}

void CMainWindowView::KillTimer(UINT nTimer)
{
    m_window.KillTimer(nTimer);
}

void CMainWindowView::Report(const CString& strMessage)
{
    AfxMessageBox(strMessage, MB_OK);
}

void CMainWindowView::ShowWatching(BOOL bWatching, const CString& strTip)
{
    ::CheckMenuItem(::GetSystemMenu(m_window.GetSafeHwnd(), FALSE), IDM_WATCHFORGAMES,
                    MF_BYCOMMAND | (bWatching ? MF_CHECKED : MF_UNCHECKED));
    if (bWatching)
        m_tray.Show(strTip);
    else
        m_tray.Remove();
}

void CMainWindowView::ShowNotice(const CString& strText)
{
    m_tray.ShowNotice(strText);
    if (::GetForegroundWindow() == m_window.GetSafeHwnd())
        return;
    FLASHWINFO flash = {sizeof flash, m_window.GetSafeHwnd(), FLASHW_TRAY | FLASHW_TIMERNOFG, 0, 0};
    ::FlashWindowEx(&flash);
}

void CMainWindowView::ScheduleDisplay()
{
    if (!m_bDisplayScheduled) {
        m_bDisplayScheduled = TRUE;
        m_window.SetTimer(DISPLAY_TIMER, kDisplayDelayMs, nullptr);
    }
}

BOOL CMainWindowView::TimerFired(UINT_PTR nIDEvent)
{
    if (nIDEvent != DISPLAY_TIMER)
        return FALSE;
    m_window.KillTimer(DISPLAY_TIMER);
    m_bDisplayScheduled = FALSE;
    if (m_bStatusPending) {
        m_bStatusPending = FALSE;
        m_window.UpdateData(FALSE);
    }
    if (m_progress.GetPos() != m_nProgressPos)
        m_progress.SetPos(m_nProgressPos);
    return TRUE;
}
