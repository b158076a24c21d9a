// Dialogs from the program's dialog templates, and the data exchange that binds a
// dialog's members to its controls.
#pragma once

#include "Wnd.h"

// What a DoDataExchange pass does: bind and push values (m_bSaveAndValidate FALSE)
// or read the controls back (TRUE).
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds control nIDC to rControl on the first pass, so rControl gets its messages.
// A missing control leaves rControl unbound (its calls then do nothing).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Copies the control's text into value, or value into the control (only when it
// differs, so a repeated push does not flicker).
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally: IDOK, IDCANCEL or what EndDialog was given; -1 when
    // the dialog could not be created. While the dialog is the application's main
    // window, its handle is the target of AfxPostToMainWnd.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless; it lives until DestroyWindow or this object goes.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    // Binds the controls (UpdateData(FALSE)); TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    // Reads the controls back (UpdateData(TRUE)), then ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL: Escape, the close box, Alt+F4 and the system menu's Close.
    virtual void OnCancel();

protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND ParentHandle() const;
};
