// The Server Details window: every key and value of a server's last accepted
// reply, in reply order, and its players, as the game shows them
// (ui/core/ServerDetails.h), with a note above them when they are not the latest.
#pragma once

#include "framework/Framework.h"
#include "query/GameServer.h"

class CServerDetailsDlg : public CDialog {
public:
    CServerDetailsDlg(const CServerStatus& status, CWnd* pParent);
    virtual ~CServerDetailsDlg() = default;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    // Ctrl+C, through the main window's keys.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // The selected lines of the focused list, their texts joined by tabs.
    afx_msg void OnEditCopy();

    DECLARE_MESSAGE_MAP()

private:
    CServerStatus m_status;
    CListCtrl m_listPairs;
    CListCtrl m_listPlayers;
};
