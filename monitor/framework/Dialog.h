// Dialogs from the program's dialog templates.
#pragma once

#include "DataExchange.h"

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
