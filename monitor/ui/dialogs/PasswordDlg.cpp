#include "ui/dialogs/PasswordDlg.h"

#include "query/GameText.h"
#include "res/resource.h"

CPasswordDlg::CPasswordDlg(const CString& strPrompt, CWnd* pParent)
    : CDialog(IDD_PASSWORD, pParent), m_strPrompt(strPrompt)
{
}

BOOL CPasswordDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetDlgItem(IDC_PASSWORD_PROMPT)->SetWindowText(m_strPrompt);
    return TRUE; // the focus goes to the edit, the first control that takes it
}

void CPasswordDlg::OnOK()
{
    CWnd* pEdit = GetDlgItem(IDC_PASSWORD_TEXT);
    const CString strPassword = AfxGetWindowText(pEdit->GetSafeHwnd());
    if (!IsSafeGameValue(strPassword)) {
        AfxMessageBox(strPassword.IsEmpty() ? "Please type the password." : UNSAFE_PASSWORD_MESSAGE);
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pEdit->GetSafeHwnd()), TRUE);
        return;
    }
    m_strPassword = strPassword;
    EndDialog(IDOK);
}

namespace {
BOOL AskPassword(CWnd* pParent, const CServerStatus& status, const char* pszFormat, CString& strPassword)
{
    CString strPrompt;
    strPrompt.Format(pszFormat, static_cast<const char*>(ReadableText(status.m_strName)));
    CPasswordDlg dlg(strPrompt, pParent);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    strPassword = dlg.m_strPassword;
    return TRUE;
}
} // namespace

BOOL AskJoinOptions(CWnd* pParent, const CServerStatus& status, BOOL bSpectator, CJoinOptions& options)
{
    options = CJoinOptions();
    if (!bSpectator) {
        return !(status.m_nNeedPass & NEEDPASS_PLAYER)
               || AskPassword(pParent, status, "%s needs a password to join:", options.strPassword);
    }
    // The game lets a spectator in by the spectator password alone.
    if (!(status.m_nNeedPass & NEEDPASS_SPECTATOR)) {
        options.strSpectator = "1";
        return TRUE;
    }
    return AskPassword(pParent, status, "%s needs a spectator password to join:", options.strSpectator);
}
