// The "Password Required" window: the password a server asks for before a join,
// typed masked. It is never stored; OK takes it only when the game's command
// line can carry it whole.
#pragma once

#include "extras/GameCommand.h"
#include "framework/Framework.h"
#include "query/GameServer.h"

class CPasswordDlg : public CDialog {
public:
    // strPrompt: what the window says above the edit.
    CPasswordDlg(const CString& strPrompt, CWnd* pParent);
    virtual ~CPasswordDlg() = default;

    // After IDOK: what the user typed.
    CString m_strPassword;

protected:
    virtual BOOL OnInitDialog();
    // A password the command line cannot carry is refused, and the window stays.
    virtual void OnOK();

private:
    CString m_strPrompt;
};

// What joining the server adds for the user: its password when it needs one to
// play; to watch, "spectator" as 1, or as the spectator password it asks for.
// FALSE when the user cancelled a question: nothing is to be started.
BOOL AskJoinOptions(CWnd* pParent, const CServerStatus& status, BOOL bSpectator, CJoinOptions& options);
