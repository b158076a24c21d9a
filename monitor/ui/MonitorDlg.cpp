#include "ui/MonitorDlg.h"

#include "ui/ListMode.h"
#include "ui/SlotWaitDlg.h"
#include "ui/MonitorSettings.h"
#include "ui/ServerListRules.h"
#include "extras/AboutBox.h"
#include "query/ServerWebsite.h"
#include "web/BuildNumber.h"
#include "web/WebServer.h"
#include "web/WebStartup.h"
#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"

CMonitorDlg::CMonitorDlg(CWnd* pParent)
    : CDialog(IDD_VARNOK_DIALOG, pParent),
      m_nServerListMode(DEFAULT_SERVER_LIST_MODE),
      m_pImageList(new CImageList),
      m_hIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_bServerSortAscending(TRUE),
      m_nServerSortColumn(3),
      m_bPlayerSortAscending(TRUE),
      m_nPlayerSortColumn(0),
      m_bShuttingDown(FALSE),
      m_bRunStateRead(FALSE),
      m_bRunStateSaved(FALSE),
      m_saver(SERVER_LIST_FILE, WriteRunSettings),
      m_bDisplayScheduled(FALSE),
      m_bStatusPending(FALSE),
      m_nProgressPos(0)
{
    // The window, and with it its DPI, comes later (OnDpiScaled).
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
    ON_NOTIFY(LVN_INSERTITEM, IDC_SERVER_LIST, &CMonitorDlg::OnServerItemChanged)
    ON_NOTIFY(LVN_INSERTITEM, IDC_PLAYER_LIST, &CMonitorDlg::OnPlayerItemInserted)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_SERVER_LIST, &CMonitorDlg::OnCustomDrawServers)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_PLAYER_LIST, &CMonitorDlg::OnCustomDrawPlayers)
    ON_BN_CLICKED(IDC_THREADS1, &CMonitorDlg::OnThreads1)
    ON_BN_CLICKED(IDC_THREADS3, &CMonitorDlg::OnThreads3)
    ON_BN_CLICKED(IDC_THREADS7, &CMonitorDlg::OnThreads7)
    ON_BN_CLICKED(IDC_LIST_MODE, &CMonitorDlg::OnListMode)
    ON_NOTIFY(NM_RCLICK, IDC_SERVER_LIST, &CMonitorDlg::OnRightClickServer)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_SERVER_LIST, &CMonitorDlg::OnServerItemChanged)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_ENDSESSION()
    ON_WM_TIMER()
    ON_MESSAGE(WM_QUERYDONE, &CMonitorDlg::OnQueryDone)
    ON_MESSAGE(WM_RUNSTATESAVED, &CMonitorDlg::OnRunStateSaved)
    ON_COMMAND(ID_EDIT_COPY, &CMonitorDlg::OnEditCopy)
    ON_COMMAND(ID_FIND_PLAYER, &CMonitorDlg::OnFindPlayer)
    ON_COMMAND(ID_SERVER_DETAILS, &CMonitorDlg::OnServerDetails)
END_MESSAGE_MAP()

BOOL CMonitorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        pSysMenu->AppendMenu(MF_SEPARATOR);
        pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, "About Kelvane Monitor...");
        pSysMenu->AppendMenu(MF_STRING, IDM_FINDPLAYER, "Find Player...");
        pSysMenu->AppendMenu(MF_STRING, IDM_SERVERDETAILS, "Server Details...");
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    InitListColumns();
    m_strStatus = "Ready";
    UpdateData(FALSE);
    SetWindowText(MONITOR_TITLE);

    CWinApp* pApp = AfxGetApp();
    SetWebServerBase(pApp->GetProfileString(SETTINGS_SECTION, KELVANE_WEB_SERVER_KEY, ""));
    SetNoWebsiteAddress(WebFileUrl("none.html"));
    m_poll.SetBudget(ThreadBudgetFromSetting(
        pApp->GetProfileString(SETTINGS_SECTION, SETTING_NUM_QUERY_THREADS, SettingText(DEFAULT_NUM_QUERY_THREADS))));
    int nButton = ThreadButtonForBudget(m_poll.GetBudget());
    CheckRadioButton(IDC_THREADS1, IDC_THREADS7,
                     nButton == 1 ? IDC_THREADS1 : nButton == 3 ? IDC_THREADS3 : IDC_THREADS7);

    // The web fetches below share what they learn of the web server.
    CWebStartup webStartup;
    int nBuild = BUILD_NUMBER;
    if (CheckForUpdate(nBuild))
        AfxMessageBox(UpdateAvailableMessage(nBuild), MB_OK);

    m_nServerListMode = ListModeFromSetting(
        pApp->GetProfileString(SETTINGS_SECTION, SETTING_SERVER_LIST_MODE, SettingText(DEFAULT_SERVER_LIST_MODE)));
    m_btnListMode.SetWindowText(ListModeButtonCaption(m_nServerListMode));

    FetchMasterList();
    LoadServerList(SERVER_LIST_FILE);
    m_bRunStateRead = TRUE;

    m_ticker.SetText(m_strNews);
    m_ticker.Start();

    StartPolling();
    return TRUE;
}

// Enter must not end the program past the shut-down sequence, which would lose
// the run's marks and settings; the window closes only through Cancel.
void CMonitorDlg::OnOK()
{
}

// Windows ends the process right after this returns and allows only a few seconds
// for it, so running queries are not waited for: their records are read under
// their locks, and the process end takes the threads with it.
void CMonitorDlg::OnEndSession(BOOL bEnding)
{
    if (bEnding)
        SaveRunState(FALSE);
}

void CMonitorDlg::OnCancel()
{
    // A second Cancel before the dialog is gone, even one that comes while the box
    // of a failed save is up, must not end the dialog under the first.
    if (m_bShuttingDown)
        return;
    m_bShuttingDown = TRUE;
    SaveRunState(TRUE);
    CloseServerWindows();

    // Rows point at the records: empty the lists before the records go.
    m_listServers.DeleteAllItems();
    m_listPlayers.DeleteAllItems();
    m_poll.Close();
    m_servers.DeleteAll();
    CDialog::OnCancel();
}

void CMonitorDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutBox dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    if ((nID & 0xFFF0) == IDM_FINDPLAYER) {
        OnFindPlayer();
        return;
    }
    if ((nID & 0xFFF0) == IDM_SERVERDETAILS) {
        OnServerDetails();
        return;
    }
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

CGameServer* CMonitorDlg::AddServer(CGameServer* pServer, BOOL bFromFile)
{
    return m_servers.Add(pServer, bFromFile);
}

BOOL CMonitorDlg::LoadServerList(CString strPath)
{
    if (!m_servers.Load(strPath, [this](CGameServer* pServer) { UpdateServerItem(pServer); }))
        return FALSE;
    SortServerList(m_nServerSortColumn, m_bServerSortAscending);
    return TRUE;
}

BOOL CMonitorDlg::SaveServerList(CString strPath)
{
    return m_servers.Save(strPath);
}
