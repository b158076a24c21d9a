#include "ui/dialogs/ServerDetailsDlg.h"

#include <initializer_list>
#include <utility>

#include "framework/Clipboard.h"
#include "query/GameText.h"
#include "query/InfoPairs.h"
#include "query/WordFilter.h"
#include "res/resource.h"
#include "ui/core/PlayerRows.h"
#include "ui/dialogs/MonitorKeys.h"

namespace {
void AddColumns(CListCtrl& list, std::initializer_list<std::pair<const char*, int>> columns)
{
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    CRect rect;
    list.GetClientRect(&rect);
    int nColumn = 0;
    for (const auto& column : columns)
        list.InsertColumn(nColumn++, column.first, LVCFMT_LEFT, rect.Width() * column.second / 100);
}

void AddRow(CListCtrl& list, std::initializer_list<CString> texts)
{
    int nRow = list.InsertItem(list.GetItemCount(), *texts.begin());
    if (nRow < 0)
        return;
    int nColumn = 0;
    for (const CString& text : texts)
        if (nColumn++ > 0)
            list.SetItemText(nRow, nColumn - 1, text);
}
} // namespace

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
    SetWindowText(CString("Server Details - ") + ReadableText(m_status.m_strName));
    AddColumns(m_listPairs, {{"Key", 35}, {"Value", 60}});
    AddColumns(m_listPlayers, {{"Name", 55}, {"Score", 20}, {"Ping", 20}});
    if (!m_status.m_pInfo) {
        GetDlgItem(IDC_DETAILS_NOTE)->SetWindowText("This server has not answered yet.");
        return TRUE;
    }
    for (const CInfoPair& pair : SplitInfoPairs(*m_status.m_pInfo))
        AddRow(m_listPairs, {ReadableText(pair.first), ReadableText(g_wordFilter.Censor(pair.second))});
    for (const CPlayerInfo& player : m_status.m_players) {
        const std::vector<CString> texts = PlayerRowTexts(player);
        AddRow(m_listPlayers, {texts[PLAYER_COLUMN_NAME], texts[PLAYER_COLUMN_SCORE], texts[PLAYER_COLUMN_PING]});
    }
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
