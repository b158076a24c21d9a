// CWnd: a window handle with the calls the program makes on it, and the link
// between a window procedure and a message map. A CWnd gets its window's messages
// once it has created the window (CDialog) or subclassed it (SubclassDlgItem, which
// DDX_Control calls); a message its map does not handle goes to the window's
// previous procedure (for a dialog: the dialog manager).
//
// All of it belongs to the GUI thread: windows and these objects are not thread-safe.
#pragma once

#include "CString.h"
#include "Gdi.h"
#include "MessageMap.h"

#include <map>
#include <memory>

class CDataExchange;

// The text of any window (its caption, or a control's contents).
CString AfxGetWindowText(HWND hWnd);

// A menu handle that this object does not own (menus of windows die with them).
class CMenu {
public:
    HMENU m_hMenu = nullptr;

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr)
    {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
};

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // Gives a subclassed window back its own procedure; destroys a window this
    // object created and that still exists.
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    // The object that receives the window's messages, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // --- binding to a window -----------------------------------------------------
    BOOL Attach(HWND hWnd) { return AfxAttachHandle(m_hWnd, hWnd); }  // wraps only: no messages reach the map
    HWND Detach() { return AfxDetachHandle(m_hWnd); }
    BOOL SubclassWindow(HWND hWnd);  // the map gets the window's messages from now on
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    // --- the window's children ----------------------------------------------------
    // The control with that id, or null. When an object already gets the control's
    // messages (DDX_Control), that object; otherwise a plain CWnd that this object
    // owns and keeps until its own window is destroyed or it is itself destroyed,
    // so the pointer may be kept as long as this window lives.
    CWnd* GetDlgItem(int nID) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
    {
        ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
    }

    // --- text, state and place ------------------------------------------------------
    void SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void ScreenToClient(LPRECT lpRect) const;

    // --- painting -------------------------------------------------------------------
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void SetRedraw(BOOL bRedraw = TRUE) { SendMessage(WM_SETREDRAW, bRedraw, 0); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    // The window menu, or null when the window has none. The object belongs to this CWnd.
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // --- messages and timers ----------------------------------------------------------
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
    {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

    // --- dialog data ----------------------------------------------------------------------
    // FALSE: the members' values go to the controls; TRUE: the controls' to the members.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // The procedure every window with an object runs; exposed for the dialog manager.
    static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // Dispatches through the message map; unhandled messages go to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's previous procedure, or the system's default when there is none.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc for the message being handled now.
    LRESULT Default();
    // The window is gone: the object no longer has a handle.
    virtual void PostNcDestroy() {}
    // A WM_NOTIFY that this control sent and its parent's map left unhandled: TRUE
    // when the control answered it itself, in *pResult.
    virtual BOOL OnChildNotify(NMHDR* /*pNMHDR*/, LRESULT* /*pResult*/) { return FALSE; }

    // Base handlers that derived classes call for the default behaviour.
    afx_msg void OnPaint() { Default(); }
    afx_msg void OnTimer(UINT_PTR /*nIDEvent*/) { Default(); }
    afx_msg void OnSysCommand(UINT /*nID*/, LPARAM /*lParam*/) { Default(); }
    afx_msg HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
    afx_msg void OnEndSession(BOOL /*bEnding*/) { Default(); }

    WNDPROC m_pfnSuper = nullptr;  // the procedure replaced by subclassing
    bool m_bCreatedHere = false;   // this object created the window and destroys it

    DECLARE_MESSAGE_MAP()

private:
    void ForgetWindow();
    template <class T>
    T* TemporaryFor(HWND hWnd) const;
    friend class CListCtrl;

    mutable std::map<HWND, std::unique_ptr<CWnd>> m_temporaries;  // GetDlgItem's objects
    mutable CMenu m_systemMenu;
};

// One object per child window, kept until this window goes; an existing object of
// another type for the same child is replaced.
template <class T>
T* CWnd::TemporaryFor(HWND hWnd) const
{
    if (!hWnd)
        return nullptr;
    std::unique_ptr<CWnd>& slot = m_temporaries[hWnd];
    if (!dynamic_cast<T*>(slot.get())) {
        if (slot)
            slot->Detach();
        slot = std::make_unique<T>();
        slot->Attach(hWnd);
    }
    return static_cast<T*>(slot.get());
}
