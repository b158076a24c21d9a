#include "ui/MonitorDlg.h"

#include "framework/Platform.h"
#include "query/ServerWebsite.h"
#include "ui/PingImages.h"
#include "ui/core/Caption.h"
#include "web/BuildNumber.h"
#include "web/WebServer.h"
#include "web/WebStartup.h"
#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"

CMonitorDlg::CMonitorDlg(CWnd* pParent)
    : CDialog(IDD_VARNOK_DIALOG, pParent),
      m_pImageList(new CImageList),
      m_hIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_view(*this, m_strStatus, m_progress, m_btnListMode, m_listServers),
      // The folder the program starts in keeps its files, wherever the file
      // dialog or the game's start moves the current folder later.
      m_core(m_view, AfxGetCurrentDirectory(), CProfileFile(AfxGetApp()->m_pszProfileName)),
      m_windows(*this, m_core, m_listServers, m_listPlayers)
{
    // The window, and with it its DPI, comes later (InitListColumns).
    FillPingImages(*m_pImageList, BASE_DPI, 16);
}

CMonitorDlg::~CMonitorDlg()
{
    delete m_pImageList;
}

void CMonitorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NEWS_TICKER, m_ticker);
    DDX_Control(pDX, IDC_LIST_MODE, m_btnListMode);
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
    DDX_Control(pDX, IDC_SERVER_LIST, m_listServers);
    DDX_Control(pDX, IDC_PLAYER_LIST, m_listPlayers);
    DDX_Text(pDX, IDC_STATUS, m_strStatus);
}

BEGIN_MESSAGE_MAP(CMonitorDlg, CDialog)
    ON_BN_CLICKED(IDC_REFRESH_LIST, &CMonitorDlg::OnRefreshServerList)
    ON_NOTIFY(NM_CLICK, IDC_SERVER_LIST, &CMonitorDlg::OnClickServer)
    ON_BN_CLICKED(IDC_VISIT_WEBSITE, &CMonitorDlg::OnVisitWebsite)
    ON_BN_CLICKED(IDC_JOIN_SERVER, &CMonitorDlg::OnJoinServer)
    ON_NOTIFY(NM_DBLCLK, IDC_SERVER_LIST, &CMonitorDlg::OnDblclkServerList)
    ON_BN_CLICKED(IDC_ADD_SERVER, &CMonitorDlg::OnAddServer)
    ON_STN_CLICKED(IDC_BANNER1, &CMonitorDlg::OnBanner1)
    ON_STN_CLICKED(IDC_BANNER2, &CMonitorDlg::OnBanner2)
    ON_STN_CLICKED(IDC_BANNER3, &CMonitorDlg::OnBanner3)
    ON_STN_CLICKED(IDC_BANNER4, &CMonitorDlg::OnBanner4)
    ON_STN_CLICKED(IDC_LOGO, &CMonitorDlg::OnLogo)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_SERVER_LIST, &CMonitorDlg::OnColumnClickServers)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_PLAYER_LIST, &CMonitorDlg::OnColumnClickPlayers)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_SERVER_LIST, &CMonitorDlg::OnCustomDrawServers)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_PLAYER_LIST, &CMonitorDlg::OnCustomDrawPlayers)
    ON_BN_CLICKED(IDC_THREADS1, &CMonitorDlg::OnThreads1)
    ON_BN_CLICKED(IDC_THREADS3, &CMonitorDlg::OnThreads3)
    ON_BN_CLICKED(IDC_THREADS7, &CMonitorDlg::OnThreads7)
    ON_BN_CLICKED(IDC_LIST_MODE, &CMonitorDlg::OnListMode)
    ON_NOTIFY(NM_RCLICK, IDC_SERVER_LIST, &CMonitorDlg::OnRightClickServer)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_ENDSESSION()
    ON_WM_TIMER()
    ON_MESSAGE(WM_QUERYDONE, &CMonitorDlg::OnQueryDone)
    ON_MESSAGE(WM_RUNSTATESAVED, &CMonitorDlg::OnRunStateSaved)
    ON_COMMAND_RANGE(ID_EDIT_COPY, ID_EDIT_COPY, &CMonitorDlg::OnMonitorCommand)
    ON_COMMAND_RANGE(ID_MONITOR_FIRST, ID_MONITOR_LAST, &CMonitorDlg::OnMonitorCommand)
END_MESSAGE_MAP()

BOOL CMonitorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE))
        m_windows.AddMenuItems(*pSysMenu);
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    InitListColumns();
    m_strStatus = "Ready";
    UpdateData(FALSE);
    SetWindowText(MONITOR_TITLE);

    m_core.ReadSettings();
    // The widths the user left the columns at, once the settings are read.
    m_listServers.SetUserWidths(m_core.GetColumnWidths(SETTING_SERVER_COLUMN_WIDTHS, SERVER_COLUMN_COUNT));
    m_listPlayers.SetUserWidths(m_core.GetColumnWidths(SETTING_PLAYER_COLUMN_WIDTHS, PLAYER_COLUMN_COUNT));
    SetWebServerBase(m_core.Settings().GetText(SETTING_WEB_SERVER));
    SetNoWebsiteAddress(WebFileUrl("none.html"));
    const int nBudget = m_core.GetThreadBudget();
    CheckRadioButton(IDC_THREADS1, IDC_THREADS7, nBudget == 1 ? IDC_THREADS1 : nBudget == 3 ? IDC_THREADS3 : IDC_THREADS7);

    // The web fetches below share what they learn of the web server.
    CWebStartup webStartup;
    int nBuild = BUILD_NUMBER;
    if (CheckForUpdate(nBuild))
        AfxMessageBox(UpdateAvailableMessage(nBuild), MB_OK);

    FetchMasterList();
    LoadServerList(m_core.HomeFile(SERVER_LIST_FILE));
    m_core.LoadRecentServers();
    m_core.LoadBuddies();
    m_core.StartUpDone();

    m_ticker.SetText(m_strNews);
    m_ticker.Start();

    StartPolling();
    return TRUE;
}

void CMonitorDlg::OnOK()
{
}

// Windows ends the process right after this returns and allows only a few seconds
// for it, so running queries are not waited for: their records are read under
// their locks, and the process end takes the threads with it.
void CMonitorDlg::OnEndSession(BOOL bEnding)
{
    if (bEnding)
        m_core.SaveRunState(FALSE);
}

void CMonitorDlg::OnCancel()
{
    // A second Cancel before the dialog is gone, even one that comes while the box
    // of a failed save is up, must not end the dialog under the first.
    if (m_core.IsShuttingDown())
        return;
    m_core.BeginShutDown();
    m_windows.CloseAll();
    m_core.ShutDown();
    CDialog::OnCancel();
}

void CMonitorDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (!m_windows.RunMenuCommand(nID & 0xFFF0))
        CDialog::OnSysCommand(nID, lParam);
}

void CMonitorDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int cxIcon = GetSystemMetrics(SM_CXICON);
    int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    int x = (rect.Width() - cxIcon + 1) / 2;
    int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CMonitorDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CMonitorDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (!m_view.TimerFired(nIDEvent))
        m_core.TimerFired(static_cast<UINT>(nIDEvent));
}

LRESULT CMonitorDlg::OnRunStateSaved(WPARAM, LPARAM)
{
    m_core.RunStateSaved();
    return 0;
}

// --- the core's work, under the names the window has always had ------------------------

CGameServer* CMonitorDlg::AddServer(CGameServer* pServer, BOOL bFromFile)
{
    return m_core.AddServer(pServer, bFromFile);
}

BOOL CMonitorDlg::LoadServerList(CString strPath)
{
    return m_core.LoadServerList(strPath);
}

void CMonitorDlg::UpdateServerItem(CGameServer* pServer) { m_core.UpdateServerItem(pServer); }
void CMonitorDlg::UpdateCaption() { m_core.UpdateCaption(); }
void CMonitorDlg::SortServerList(int nColumn, BOOL bAscending) { m_core.SortServerList(nColumn, bAscending); }
void CMonitorDlg::SortPlayerList(int nColumn, BOOL bAscending) { m_core.SortPlayerList(nColumn, bAscending); }

void CMonitorDlg::OnRefreshServerList() { StartPolling(); }
void CMonitorDlg::StartPolling() { m_core.StartPolling(); }
void CMonitorDlg::StartNextQuery() { m_core.StartNextQuery(); }
void CMonitorDlg::ShowProgress() { m_view.ShowProgressBar(); }
void CMonitorDlg::HideProgress() { m_view.HideProgressBar(); }
void CMonitorDlg::OnThreads1() { m_core.SetThreadBudget(1); }
void CMonitorDlg::OnThreads3() { m_core.SetThreadBudget(3); }
void CMonitorDlg::OnThreads7() { m_core.SetThreadBudget(7); }

LRESULT CMonitorDlg::OnQueryDone(WPARAM wParam, LPARAM)
{
    m_core.QueryDone(reinterpret_cast<CGameServer*>(wParam));
    return 0;
}
