#include "ui/dialogs/AboutBox.h"

#include "res/resource.h"
#include "web/BuildNumber.h"

CAboutBox::CAboutBox()
    : CDialog(IDD_ABOUTBOX, nullptr)
{
}

void CAboutBox::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BUILD, m_wndBuild);
}

BOOL CAboutBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString strBuild;
    strBuild.Format("Kelvane Monitor build %d", BUILD_NUMBER);
    m_wndBuild.SetWindowText(strBuild);
    return TRUE;
}
