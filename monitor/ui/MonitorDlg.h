// The monitor's main window: start-up and shut-down, the server collection, the
// poll, the server list and the player list. One job per source file:
// MonitorDlg.cpp (life cycle, collection), Polling.cpp, ServerList.cpp,
// PlayerList.cpp, ListViews.cpp (what both lists share), DeferredDisplay.cpp,
// FetchMasterList.cpp, UpdateCheck.cpp, MonitorDlgLinks.cpp, Keyboard.cpp,
// RunStateSaving.cpp. Every
// member of the dialog is defined here in ui/; web/ and extras/ hold the free
// functions that the thin handlers call. The poll's bookkeeping is the portable
// CPollState (PollState.h), which the handlers of Polling.cpp drive.
#pragma once

#include <memory>
#include <unordered_map>

#include "framework/Framework.h"
#include "query/GameServer.h"
#include "query/QueryDone.h"
#include "extras/NewsTicker.h"
#include "res/resource.h"
#include "ui/RunStateSaver.h"
#include "ui/SaveSchedule.h"
#include "ui/PollState.h"
#include "ui/ServerCollection.h"
#include "ui/ServerRowIndex.h"

// What the comparison callback of both lists is handed for one sort. The key
// table holds each row's text in the sort column (and its record's marks), taken
// before the sort: a list view must not be asked for its rows while it sorts.
struct SortKey;
struct SORTPARAMS {
    int bAscending;
    BYTE bServerList;
    const std::unordered_map<LPARAM, SortKey>* pKeys;
};

class CFindPlayerDlg;
class CSlotWaitDlg;

class CMonitorDlg : public CDialog {
public:
    explicit CMonitorDlg(CWnd* pParent = nullptr);
    virtual ~CMonitorDlg();

    CGameServer* AddServer(CGameServer* pServer, BOOL bFromFile);
    BOOL LoadServerList(CString strPath);
    BOOL SaveServerList(CString strPath);

    void UpdateServerItem(CGameServer* pServer);
    void UpdateCaption();
    void SortServerList(int nColumn, BOOL bAscending);
    void SortPlayerList(int nColumn, BOOL bAscending);
    static int CALLBACK CompareListItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    // For the free-slot wait: one query of the record, as a left click between
    // polls makes it (none while a poll runs); and Join for the record.
    void AskServerAgain(CGameServer* pServer);
    void JoinServerNow(CGameServer* pServer);

    BOOL FetchMasterList();
    bool CheckForUpdate(int& build);

    CNewsTicker m_ticker;
    CButton m_btnListMode;
    CProgressCtrl m_progress;
    CString m_strNews;
    int m_nServerListMode;
    CImageList* m_pImageList;
    CListCtrl m_listServers;
    CListCtrl m_listPlayers;
    HICON m_hIcon;
    CString m_strStatus;
    BOOL m_bServerSortAscending;
    int m_nServerSortColumn;
    BOOL m_bPlayerSortAscending;
    int m_nPlayerSortColumn;
    CServerCollection m_servers;
    // Whether a poll runs, what it awaits, the thread budget.
    CPollState m_poll;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnCancel();
    virtual void OnOK();

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnEndSession(BOOL bEnding);

    // RunStateSaving.cpp: what the shut-down writes also reaches the disk soon
    // after the user changes it (a mark, the budget, the list mode).
    void RunStateChanged();
    // The final write of the settings and serverlist.txt, at most once a run; a
    // failure is reported unless the session is ending.
    void SaveRunState(BOOL bReportFailure);
    afx_msg LRESULT OnRunStateSaved(WPARAM wParam, LPARAM lParam);
    void ScheduleSave();
    CRunState CurrentRunState() const;
    void ReportSaveFailure();
    // The saver's way to the settings keys; runs on its thread.
    static void WriteRunSettings(int nNumQueryThreads, int nServerListMode);

    // DisplayScale.cpp: what the dialog sets in pixels, at the window's DPI.
    void OnDpiScaled(int nOldDpi) override;
    void ScaleListColumns(HWND hList, int nOldDpi) override;
    // Column nColumn's initial width for a list of that window rectangle at a DPI.
    typedef int (*ColumnWidthFn)(int nColumn, const CRect& rcList, int dpi);
    void ScaleColumns(CListCtrl& list, int nColumns, ColumnWidthFn pfnWidth);
    static void FillPingImages(CImageList& images, int dpi, int nSize);

    // Polling.cpp
    afx_msg void OnRefreshServerList();
    afx_msg LRESULT OnQueryDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnThreads1();
    afx_msg void OnThreads3();
    afx_msg void OnThreads7();
    void SetThreadBudget(int nBudget);
    void StartPolling();
    void StartNextQuery();
    void CountPollNotice();
    void EndPolling();
    void ShowProgress();
    void HideProgress();
    void StretchStatusTo(int nRight);
    int ClientRightOf(CWnd& wnd);

    // ServerList.cpp
    void InitListColumns();
    void ScaleServerColumns();
    afx_msg void OnClickServer(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRightClickServer(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClickServers(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCustomDrawServers(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnServerItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnListMode();
    // Shows the mode's rows, with the button and window captions that go with it.
    void ShowListMode(int nMode);
    CGameServer* GetSelectedServer();
    int FindServerRow(CGameServer* pServer);
    // Makes the record's row agree with it; TRUE (with the status shown) when listed.
    BOOL UpdateServerRow(CGameServer* pServer, CServerStatus& status);
    // Finds a record's row without walking the list.
    CServerRowIndex m_serverRows;

    // MonitorDlgLinks.cpp: joining a server, web links, Add A Server
    afx_msg void OnJoinServer();
    afx_msg void OnDblclkServerList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnVisitWebsite();
    afx_msg void OnBanner1();
    afx_msg void OnBanner2();
    afx_msg void OnBanner3();
    afx_msg void OnBanner4();
    afx_msg void OnLogo();
    afx_msg void OnAddServer();

    // Keyboard.cpp: Enter on the server list and the accelerators (F5, Ctrl+C, Ctrl+F, Alt+Enter).
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    afx_msg void OnEditCopy();

    // ServerWindows.cpp: Find Player and going to its match, Server Details, the
    // wait for a free slot.
    afx_msg void OnFindPlayer();
    afx_msg void OnServerDetails();
    void WaitForFreeSlot(CGameServer* pServer);
    void GoToServer(CGameServer* pServer, const CString& strPlayer);
    // Windows opened over this one that follow its records' replies.
    void ServerNoticed(CGameServer* pServer);
    void CloseServerWindows();
    CFindPlayerDlg* m_pFindDlg = nullptr;
    std::unique_ptr<CSlotWaitDlg> m_pSlotWait;

    // PlayerList.cpp
    void InitPlayerColumns();
    void ScalePlayerColumns();
    void FillPlayerList(const CServerStatus& status);
    afx_msg void OnColumnClickPlayers(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCustomDrawPlayers(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnPlayerItemInserted(NMHDR* pNMHDR, LRESULT* pResult);

    // DeferredDisplay.cpp: column sizing and painting of what a poll changes,
    // done in batches once the message queue has run empty.
    void HoldPaint(CListCtrl& list);
    void RequestAutoSize(CListCtrl& list);
    // m_strStatus has changed: push it with the next batch.
    void ShowStatusSoon();
    void StepProgressSoon();

    DECLARE_MESSAGE_MAP()

    // The dialog's timers.
    enum : UINT_PTR { kDisplayTimer = 1, kSaveTimer = 2 };

private:
    // ListViews.cpp: what both lists share.
    static void SortList(CListCtrl& list, int nColumn, BOOL bAscending, BOOL bServerList);
    // Asks for each row's and sub-item's drawing, banding the rows and giving each
    // sub-item crText(row's item data).
    static LRESULT AnswerCustomDraw(NMLVCUSTOMDRAW* pDraw, COLORREF (*pfnTextColor)(LPARAM));

    // Set once the shut-down sequence has begun.
    BOOL m_bShuttingDown;
    BOOL m_bRunStateRead;  // start-up has read the settings and serverlist.txt
    BOOL m_bRunStateSaved;
    CSaveSchedule m_saveSchedule;
    CRunStateSaver m_saver;

    struct CDeferredList {
        int nSizeColumn = -1; // the next column to size, or -1
        BOOL bPaintHeld = FALSE;
    };
    CDeferredList& Deferred(CListCtrl& list);
    BOOL ShowDeferred(CListCtrl& list, int nColumns);
    void ScheduleDisplay(UINT nDelayMs = 150);
    CDeferredList m_deferServers;
    CDeferredList m_deferPlayers;
    BOOL m_bDisplayScheduled;
    BOOL m_bStatusPending;
    int m_nProgressPos;
};
