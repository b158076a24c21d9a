#include "ui/dialogs/AboutBox.h"

#include "res/resource.h"
#include "web/BuildNumber.h"
#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"

CAboutBox::CAboutBox()
    : CDialog(IDD_ABOUTBOX, nullptr)
{
}

CAboutBox::~CAboutBox()
{
    if (m_hIcon)
        DestroyIcon(m_hIcon);
}

void CAboutBox::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BUILD, m_wndBuild);
}

// The dialog loads the icon at the screen's size; a monitor of another DPI wants its own.
void CAboutBox::ShowIconForDpi()
{
    int nSize = ScaleToDpi(32, WindowDpi(m_hWnd));
    HWND hIcon = ::GetDlgItem(m_hWnd, IDC_STATIC);
    if (!hIcon || nSize == GetSystemMetrics(SM_CXICON))
        return;
    HICON hNew = static_cast<HICON>(
        LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, nSize, nSize, 0));
    if (HICON hOld = reinterpret_cast<HICON>(::SendMessageA(hIcon, STM_SETICON, reinterpret_cast<WPARAM>(hNew), 0)))
        DestroyIcon(hOld);
    m_hIcon = hNew;
}

BOOL CAboutBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString strBuild;
    strBuild.Format("Kelvane Monitor build %d", BUILD_NUMBER);
    m_wndBuild.SetWindowText(strBuild);
    ShowIconForDpi();
    return TRUE;
}
