// The data exchange that binds a window's members to its controls: CWnd::UpdateData
// runs it, the dialogs' DoDataExchange overrides fill it in.
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
