// A Windows program that a test starts and then meets only through its windows,
// as a user or the system would; and the end of the Wine session.
#pragma once

#include <windows.h>

#include <string>

// Polls until the condition holds or the time is up; returns its last answer.
template <typename Condition> bool WaitFor(Condition condition, DWORD timeoutMs)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50))
        if (condition())
            return true;
    return condition();
}

// A window's text, asked with a time-out so that a hung program cannot hang the test.
std::string AskWindowText(HWND hWnd);

// The first top-level window of the process with that class whose caption begins
// with captionStart; null when there is none.
HWND FindProcessWindow(DWORD processId, const char* className, const std::string& captionStart);

class ChildProgram {
public:
    // Starts the program in the current directory and waits until its window of
    // that class and caption start is visible.
    ChildProgram(const std::string& exePath, const char* className, const std::string& captionStart,
        DWORD timeoutMs = 15000);
    // A program still running is terminated.
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    HWND Window() const { return m_hWnd; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    bool Exited(DWORD timeoutMs = 15000) const;
    bool Running() const;

private:
    PROCESS_INFORMATION m_process = {};
    HWND m_hWnd = NULL;
};

// Ends the session as a log-off does, by `wineboot --end-session`: every program
// of the prefix that has a window gets WM_QUERYENDSESSION and WM_ENDSESSION and is
// then ended. So nothing may run beside a test that calls it (ctest RUN_SERIAL).
// Returns how long it took in milliseconds, or -1 when it did not end in timeoutMs.
long EndWineSession(DWORD timeoutMs = 20000);
