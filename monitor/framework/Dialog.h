// Dialogs from the program's dialog templates.
#pragma once

#include "DataExchange.h"
#include "dpi/DpiScale.h"

#include <vector>

// Display scaling: a dialog is drawn at its window's DPI. Created away from 96 DPI,
// it is laid out as its template lays it out at 96 DPI, times DPI/96 (the template's
// font does not grow in step with the DPI); on a DPI change it moves and sizes its
// children, takes its font, the report-view lists' columns and its static icons to
// the new DPI, and takes the place the system suggests. What a dialog sets in pixels
// itself, it scales in OnDpiScaled.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

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

    // The DPI the dialog is laid out for (96 before it has a window).
    int GetDpi() const { return m_nDpi; }

protected:
    // The base has laid the dialog out for GetDpi(): what the dialog itself set in
    // pixels for nOldDpi (pictures, image lists, fonts of its own) goes to GetDpi().
    // Called from OnInitDialog's base call when the dialog is created away from
    // 96 DPI (nOldDpi 96), and after each DPI change.
    virtual void OnDpiScaled(int nOldDpi);
    // The column widths of a report-view list child, on a DPI change: by default each
    // width times the new DPI over nOldDpi. A dialog with a rule of its own for a list
    // overrides this.
    virtual void ScaleListColumns(HWND hList, int nOldDpi);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND ParentHandle() const;
    void RunModalLoop();

    // DialogScale.cpp
    void BeginDisplayScale();
    void LayOutInProportion();
    void ScaleFont(int nOldDpi);
    void ScaleIcons();
    void ReleaseScaledObjects();
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);

    bool m_bInModalLoop = false;
    INT_PTR m_nModalResult = -1;

    int m_nDpi = BASE_DPI;
    // The dialog's font at its DPI once that has changed; until then the dialog
    // manager's.
    CFont m_font;
    // A static icon shown at another size than the dialog manager loaded it.
    struct CScaledIcon {
        HWND hControl;
        HICON hLoaded;  // the dialog manager's, shared
        HICON hScaled;  // ours
    };
    std::vector<CScaledIcon> m_icons;
};
