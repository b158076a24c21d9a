// The "Waiting for a free slot" window beside the main window: it asks a full
// server again every 5 seconds (never during a poll) and joins it the moment a
// reply shows a free slot. Its Cancel, or the main window closing, ends the wait.
#pragma once

#include "framework/Framework.h"
#include "query/GameServer.h"

class CMonitorDlg;

class CSlotWaitDlg : public CDialog {
public:
    CSlotWaitDlg(CMonitorDlg& monitor, CGameServer* pServer);
    virtual ~CSlotWaitDlg() = default;

    // Shows the window; FALSE when it could not be made.
    BOOL Open();
    BOOL IsWaiting() const { return m_hWnd != nullptr && ::IsWindowVisible(m_hWnd); }
    CGameServer* GetServer() const { return m_pServer; }
    // A notice for the server has been handled: the count follows it, and a free
    // slot joins once this notice's handling is over.
    void ServerNoticed();

    static const UINT ASK_INTERVAL_MS = 5000;

protected:
    virtual BOOL OnInitDialog();
    // Cancel: the wait ends, nothing starts.
    virtual void OnCancel();
    // Posted on a free slot: the game starts as Join starts it.
    virtual void OnOK();
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    void Stop();

    CMonitorDlg& m_monitor;
    CGameServer* m_pServer;
    BOOL m_bJoining = FALSE;
};
