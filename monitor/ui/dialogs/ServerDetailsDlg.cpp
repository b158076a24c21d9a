#include "ui/dialogs/ServerDetailsDlg.h"

#include "framework/Clipboard.h"
#include "res/resource.h"
#include "ui/core/ServerDetails.h"
#include "ui/dialogs/MonitorKeys.h"
#include "ui/dialogs/ReportList.h"

CServerDetailsDlg::CServerDetailsDlg(const CServerStatus& status, CWnd* pParent)
    : CDialog(IDD_SERVER_DETAILS, pParent), m_status(status)
{
}

BEGIN_MESSAGE_MAP(CServerDetailsDlg, CDialog)
    ON_COMMAND(ID_EDIT_COPY, &CServerDetailsDlg::OnEditCopy)
END_MESSAGE_MAP()

void CServerDetailsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAILS_PAIRS, m_listPairs);
    DDX_Control(pDX, IDC_DETAILS_PLAYERS, m_listPlayers);
}

BOOL CServerDetailsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CServerDetails details = ServerDetailsOf(m_status);
    SetWindowText(details.strCaption);
    GetDlgItem(IDC_DETAILS_NOTE)->SetWindowText(details.strNote);
    AddColumns(m_listPairs, {{"Key", 35}, {"Value", 60}});
    AddColumns(m_listPlayers, {{"Name", 55}, {"Score", 20}, {"Ping", 20}});
    for (const std::vector<CString>& pair : details.pairs)
        AddRow(m_listPairs, pair);
    for (const std::vector<CString>& player : details.players)
        AddRow(m_listPlayers, player);
    return TRUE;
}

BOOL CServerDetailsDlg::PreTranslateMessage(MSG* pMsg)
{
    if (TranslateMonitorKeys(m_hWnd, pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CServerDetailsDlg::OnEditCopy()
{
    const HWND hFocus = ::GetFocus();
    CListCtrl* pList = hFocus == m_listPlayers.GetSafeHwnd() ? &m_listPlayers : &m_listPairs;
    const int nColumns = pList == &m_listPairs ? 2 : 3;
    CString strText;
    for (int nRow = pList->GetNextItem(-1, LVNI_SELECTED); nRow >= 0; nRow = pList->GetNextItem(nRow, LVNI_SELECTED)) {
        if (!strText.IsEmpty())
            strText += "\r\n";
        for (int i = 0; i < nColumns; ++i) {
            if (i > 0)
                strText += '\t';
            strText += pList->GetItemText(nRow, i);
        }
    }
    if (!strText.IsEmpty())
        AfxSetClipboardText(m_hWnd, strText);
}
