// The "Buddies" window: the names of the players the user wants to know about.
// Add (or Enter) lists the typed name, Remove the selected one; each change is
// the core's at once (the rows turn bold or plain) and saved soon.
#pragma once

#include "framework/Framework.h"
#include "ui/core/MonitorCore.h"

class CBuddiesDlg : public CDialog {
public:
    CBuddiesDlg(CMonitorCore& core, CWnd* pParent);
    virtual ~CBuddiesDlg() = default;

protected:
    virtual BOOL OnInitDialog();
    // Add: a name the list does not take (none, or listed already) is refused
    // with a beep and left in the edit to be corrected.
    virtual void OnOK();
    afx_msg void OnRemove();

    DECLARE_MESSAGE_MAP()

private:
    // The list shows the core's buddies, the row nSelect selected.
    void ShowNames(int nSelect);

    CMonitorCore& m_core;
};
