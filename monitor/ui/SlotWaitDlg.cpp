#include "ui/SlotWaitDlg.h"

#include "query/GameText.h"
#include "res/resource.h"
#include "ui/FreeSlot.h"
#include "ui/MonitorDlg.h"

static const UINT_PTR kAskTimer = 1;

CSlotWaitDlg::CSlotWaitDlg(CMonitorDlg& monitor, CGameServer* pServer)
    : CDialog(IDD_WAIT_FOR_SLOT, &monitor), m_monitor(monitor), m_pServer(pServer)
{
}

BEGIN_MESSAGE_MAP(CSlotWaitDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CSlotWaitDlg::Open()
{
    if (!Create(IDD_WAIT_FOR_SLOT, &m_monitor))
        return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CSlotWaitDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CServerStatus status = m_pServer->GetStatus();
    GetDlgItem(IDC_WAIT_SERVER)->SetWindowText(ReadableText(status.m_strName));
    GetDlgItem(IDC_WAIT_COUNT)->SetWindowText(SlotCountText(status));
    SetTimer(kAskTimer, ASK_INTERVAL_MS, nullptr);
    return TRUE;
}

void CSlotWaitDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAskTimer) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    m_monitor.AskServerAgain(m_pServer);
}

void CSlotWaitDlg::ServerNoticed()
{
    if (!IsWaiting() || m_bJoining)
        return;
    const CServerStatus status = m_pServer->GetStatus();
    GetDlgItem(IDC_WAIT_COUNT)->SetWindowText(SlotCountText(status));
    if (HasFreeSlot(status)) {
        // Not from inside the notice's handling: joining may ask for the game in a
        // dialog of its own, during which later notices must find the poll whole.
        m_bJoining = TRUE;
        ::PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
    }
}

void CSlotWaitDlg::OnOK()
{
    if (!m_bJoining || !IsWaiting())
        return;
    Stop();
    m_monitor.JoinServerNow(m_pServer);
}

void CSlotWaitDlg::OnCancel()
{
    Stop();
}

void CSlotWaitDlg::Stop()
{
    KillTimer(kAskTimer);
    ShowWindow(SW_HIDE);
    m_bJoining = FALSE;
}
