// Dialogs from the program's dialog templates.
#pragma once

#include "DataExchange.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally, in a message loop of its own so that PreTranslateMessage
    // sees the dialog's messages first: IDOK, IDCANCEL or what EndDialog was given;
    // -1 when the dialog could not be created or the thread was told to quit. While
    // the dialog is the application's main window, its handle is the target of
    // AfxPostToMainWnd.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless; it lives until DestroyWindow or this object goes.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends a modal run with nResult (the way to end one: the system's EndDialog
    // would only hide it); hides a modeless dialog.
    void EndDialog(int nResult);

    // Binds the controls (UpdateData(FALSE)); TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    // Reads the controls back (UpdateData(TRUE)), then ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL: Escape, the close box, Alt+F4 and the system menu's Close.
    virtual void OnCancel();

    // A message for the modal dialog or one of its controls, before the dialog
    // manager and the control get it; TRUE when handled, and it then goes no further.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND ParentHandle() const;
    void RunModalLoop();

    bool m_bInModalLoop = false;
    INT_PTR m_nModalResult = -1;
};
