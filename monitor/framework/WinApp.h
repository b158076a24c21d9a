// The application object: one per program, constructed statically. The framework's
// WinMain runs its InitInstance and, when that returns TRUE, a message loop; then
// ExitInstance, whose result is the exit code.
#pragma once

#include "Wnd.h"

#include <string>

class CWinApp : public CCmdTarget {
public:
    // lpszAppName: the name shown in message boxes; by default the executable's base name.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return m_nExitCode; }
    // The message loop after a successful InitInstance; ends with WM_QUIT.
    virtual int Run();

    // The private profile file m_pszProfileName, read and written at each call.
    // GetProfileString returns lpszDefault (or "") when the entry is absent.
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);

    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd = nullptr;
    LPCSTR m_pszAppName;
    // The executable's base name and ".INI", without a directory, so that the system
    // keeps it in the Windows directory. May be pointed at another path (a string
    // that outlives the application object).
    LPCSTR m_pszProfileName;

protected:
    int m_nExitCode = 0;

private:
    std::string m_strAppName;
    std::string m_strProfileName;
};

// Registers the common control classes the dialogs use (list views, progress bars);
// WinMain and every dialog creation call it, the first call does the work.
void AfxInitCommonControls();

CWinApp* AfxGetApp();
// The application's main window, or null.
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
LPCSTR AfxGetAppName();
