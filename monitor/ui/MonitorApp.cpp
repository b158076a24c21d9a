#include "ui/MonitorApp.h"

#include "framework/Socket.h"
#include "ui/MonitorDlg.h"

CMonitorApp theApp;

BOOL CMonitorApp::InitInstance()
{
    CMonitorDlg dlg;
    if (!AfxSocketInit()) {
        AfxMessageBox(IDP_SOCKETS_INIT_FAILED, MB_OK);
        return FALSE;
    }
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
