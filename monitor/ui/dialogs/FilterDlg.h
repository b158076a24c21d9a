// The "Filter Servers" window beside the main window: hide empty, full and
// passworded servers, servers above a ping, servers whose name and map lack a
// text. Every change applies at once; Escape, Enter and Close hide the window.
#pragma once

#include "framework/Framework.h"
#include "ui/core/MonitorCore.h"

class CFilterDlg : public CDialog {
public:
    CFilterDlg(CMonitorCore& core, CWnd* pParent);
    virtual ~CFilterDlg() = default;

    // Shows the window with the filters as they are, in front with the focus on
    // its first control; FALSE when it could not be made.
    BOOL Open();

protected:
    virtual BOOL OnInitDialog();
    afx_msg void OnChanged();

    DECLARE_MESSAGE_MAP()

private:
    // The controls show the core's filters.
    void ShowFilter();

    CMonitorCore& m_core;
    CWnd* m_pParent;
    BOOL m_bShowing = FALSE; // the controls are being filled, not changed by the user
};
