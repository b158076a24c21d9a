// The monitor's icon in the notification area while it watches for games: its
// tooltip, its notices (balloons), and the clicks on them, which reach the main
// window as a command. A hidden window of its own takes the shell's messages, so
// that the icon comes back when the shell restarts (TaskbarCreated) and goes when
// the session ends.
#pragma once

#include "framework/Framework.h"

class CTrayIcon {
public:
    // A double-click on the icon or a click on its notice sends hMain the command nCommand.
    CTrayIcon(HWND& hMain, UINT nCommand);
    virtual ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the icon, or changes its tooltip.
    void Show(const CString& strTip);
    void Remove();
    // A notice titled with the program's name; none while the icon is not shown.
    void ShowNotice(const CString& strText);
    // The window the shell talks to, once the icon has been shown.
    HWND GetSafeHwnd() const { return m_hWnd; }

    static const char* const kTitle;

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL Notify(DWORD dwMessage, UINT uFlags, const char* pszInfo = nullptr);

    HWND& m_hMain;
    const UINT m_nCommand;
    HWND m_hWnd = nullptr;
    HICON m_hIcon = nullptr;
    CString m_strTip;
    bool m_bShown = false;
};
