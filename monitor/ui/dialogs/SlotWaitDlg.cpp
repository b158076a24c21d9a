#include "ui/dialogs/SlotWaitDlg.h"

#include "query/GameText.h"
#include "res/resource.h"
#include "ui/core/FreeSlot.h"

static const UINT_PTR kAskTimer = 1;

CSlotWaitDlg::CSlotWaitDlg(CMonitorCore& core, CGameServer* pServer, CWnd* pParent,
                           std::function<void(CGameServer*)> join)
    : CDialog(IDD_WAIT_FOR_SLOT, pParent), m_core(core), m_pServer(pServer), m_pParent(pParent), m_join(std::move(join))
{
}

CSlotWaitDlg::~CSlotWaitDlg()
{
    m_core.RemoveWatcher(this);
}

BEGIN_MESSAGE_MAP(CSlotWaitDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CSlotWaitDlg::Open()
{
    if (!Create(IDD_WAIT_FOR_SLOT, m_pParent))
        return FALSE;
    m_bWaiting = TRUE;
    m_core.AddWatcher(this);
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
    m_core.AskServerForWatcher(m_pServer);
}

void CSlotWaitDlg::ServerNoticed(CGameServer* pServer)
{
    if (pServer != m_pServer || !m_bWaiting || m_bJoining)
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
    if (!m_bJoining || !m_bWaiting)
        return;
    Stop();
    if (!m_core.IsShuttingDown() && m_join)
        m_join(m_pServer);
}

void CSlotWaitDlg::OnCancel()
{
    Stop();
}

void CSlotWaitDlg::Stop()
{
    KillTimer(kAskTimer);
    ShowWindow(SW_HIDE);
    m_bWaiting = FALSE;
    m_bJoining = FALSE;
    m_core.RemoveWatcher(this);
}
