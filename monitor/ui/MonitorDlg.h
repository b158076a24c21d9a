// The monitor's main window: a view of the monitor's core (ui/core/MonitorCore.h).
// Its handlers turn clicks and keys into calls on the core, the core tells the
// window what to show (MainWindowView.h), and the two lists show the core's row
// tables. The windows over this one and the commands that open them are
// CMonitorWindows'. One job per source file: MonitorDlg.cpp (life cycle and the
// core's forwarders), MonitorLists.cpp (the two lists), FetchMasterList.cpp,
// UpdateCheck.cpp, MonitorDlgLinks.cpp (join and web links), Keyboard.cpp,
// DisplayScale.cpp (the window's own pictures at its DPI).
#pragma once

#include "framework/Framework.h"
#include "framework/SortedListCtrl.h"
#include "query/GameServer.h"
#include "query/QueryDone.h"
#include "extras/NewsTicker.h"
#include "res/resource.h"
#include "ui/MainWindowView.h"
#include "ui/MonitorWindows.h"
#include "ui/core/MonitorCore.h"

class CMonitorDlg : public CDialog {
public:
    explicit CMonitorDlg(CWnd* pParent = nullptr);
    virtual ~CMonitorDlg();

    // The monitor's rules; what tests and the windows over this one talk to.
    CMonitorCore& Core() { return m_core; }

    CGameServer* AddServer(CGameServer* pServer, BOOL bFromFile);
    BOOL LoadServerList(CString strPath);
    void UpdateServerItem(CGameServer* pServer);
    void UpdateCaption();
    void SortServerList(int nColumn, BOOL bAscending);
    void SortPlayerList(int nColumn, BOOL bAscending);
    BOOL FetchMasterList();
    bool CheckForUpdate(int& build);

    CNewsTicker m_ticker;
    CButton m_btnListMode;
    CProgressCtrl m_progress;
    CString m_strNews;
    CImageList* m_pImageList;
    CSortedListCtrl m_listServers;
    CSortedListCtrl m_listPlayers;
    HICON m_hIcon;
    CString m_strStatus;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnCancel();
    // Enter must not end the program past the shut-down sequence: the window
    // closes only through Cancel.
    virtual void OnOK();
    // Enter on the server list joins; the monitor's keys become their commands.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnEndSession(BOOL bEnding);
    // A command of the monitor's keys and menu items (CMonitorWindows' table).
    afx_msg void OnMonitorCommand(UINT nID);
    afx_msg LRESULT OnRunStateSaved(WPARAM wParam, LPARAM lParam);

    // The poll
    afx_msg void OnRefreshServerList();
    afx_msg LRESULT OnQueryDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnThreads1();
    afx_msg void OnThreads3();
    afx_msg void OnThreads7();
    void StartPolling();
    void StartNextQuery();
    void ShowProgress();
    void HideProgress();

    // The lists
    void InitListColumns();
    afx_msg void OnClickServer(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRightClickServer(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClickServers(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClickPlayers(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCustomDrawServers(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCustomDrawPlayers(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnListMode();

    // Joining a server, web links, Add A Server
    afx_msg void OnJoinServer();
    afx_msg void OnDblclkServerList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnVisitWebsite();
    afx_msg void OnBanner1();
    afx_msg void OnBanner2();
    afx_msg void OnBanner3();
    afx_msg void OnBanner4();
    afx_msg void OnLogo();
    afx_msg void OnAddServer();

    // DisplayScale.cpp: what the dialog sets in pixels, at the window's DPI.
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    void ApplyDisplayScale(int dpi);
    void LayOutInProportion(int dpi);
    void KeepLayoutOnDpiChange();
    static void FillPingImages(CImageList& images, int dpi, int nSize);

    DECLARE_MESSAGE_MAP()

private:
    CMainWindowView m_view;
    CMonitorCore m_core;
    CMonitorWindows m_windows;
    int m_nDpi; // the DPI the pictures, the ping icons and the ticker are made for
};
