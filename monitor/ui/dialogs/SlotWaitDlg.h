// The "Waiting for a free slot" window beside the main window: it asks a full
// server again every 5 seconds (never during a poll) and joins it the moment a
// reply shows a free slot. Its Cancel, or the main window closing, ends the wait.
#pragma once

#include "framework/Framework.h"
#include "ui/core/MonitorCore.h"

class CSlotWaitDlg : public CDialog, private CServerWatcher {
public:
    // pParent: the main window, which the game's start is owned by.
    CSlotWaitDlg(CMonitorCore& core, CGameServer* pServer, CWnd* pParent);
    virtual ~CSlotWaitDlg();

    // Shows the window and starts waiting; FALSE when it could not be made.
    BOOL Open();
    // Whether the wait goes on: not once it was cancelled or has joined. Kept
    // apart from the window, which hides while the main window is minimised.
    BOOL IsWaiting() const { return m_bWaiting; }
    CGameServer* GetServer() const { return m_pServer; }

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
    // A notice for the server has been handled: the count follows it, and a free
    // slot joins once this notice's handling is over.
    void ServerNoticed(CGameServer* pServer) override;
    void Stop();

    CMonitorCore& m_core;
    CGameServer* m_pServer;
    CWnd* m_pParent;
    BOOL m_bWaiting = FALSE;
    BOOL m_bJoining = FALSE;
};
