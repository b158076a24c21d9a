// The "Recent Servers" window: the servers the user joined lately, newest first.
// Enter or Join joins the selected one (the caller does, as every join is done);
// Delete or Remove forgets it.
#pragma once

#include "framework/Framework.h"
#include "ui/core/MonitorCore.h"

class CRecentServersDlg : public CDialog {
public:
    CRecentServersDlg(CMonitorCore& core, CWnd* pParent);
    virtual ~CRecentServersDlg() = default;

    // After IDOK: the address of the server to join.
    CString m_strChosenAddress;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    // Enter, a double-click and Join: nothing happens without a selection.
    virtual void OnOK();
    afx_msg void OnRemove();
    afx_msg void OnKeyDown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDblclk(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    // The list shows the core's recent servers, the row nSelect selected.
    void ShowServers(int nSelect);

    CMonitorCore& m_core;
    CListCtrl m_list;
};
