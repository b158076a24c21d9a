// The Find Player window: the players of every server whose name holds the typed
// text, kept up to date while a poll's replies arrive.
#pragma once

#include "framework/Framework.h"
#include "ui/core/MonitorCore.h"
#include "ui/core/PlayerSearch.h"

class CFindPlayerDlg : public CDialog, private CServerWatcher {
public:
    CFindPlayerDlg(CMonitorCore& core, CWnd* pParent);
    virtual ~CFindPlayerDlg();

    // After IDOK: the match the user went to.
    CGameServer* m_pChosenServer = nullptr;
    CString m_strChosenPlayer;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    afx_msg void OnTextChanged();
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDblclkMatch(NMHDR* pNMHDR, LRESULT* pResult);
    // A buddy's row in bold.
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnLoadPlayers(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    // The selected match, by server and shown name: its row moves as matches change.
    struct CKeptMatch {
        CGameServer* pServer = nullptr;
        CString strPlayer;
    };
    CKeptMatch KeptMatch() const;
    // Lists the search's matches again with the kept match selected, or the
    // first one when that is gone, so that Enter always has a match to go to;
    // nothing while the players are still being read.
    void ShowMatches(const CKeptMatch& kept);
    int GetSelectedRow() const;
    // A reply of the server has been taken in: its players are matched anew.
    void ServerNoticed(CGameServer* pServer) override;

    CMonitorCore& m_core;
    CPlayerSearch m_search;
    CListCtrl m_listMatches;
    CBoldFont m_boldFont;
};
