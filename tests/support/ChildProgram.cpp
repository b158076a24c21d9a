#include "ChildProgram.h"

static const DWORD kAnswerMs = 15000;

std::string AskWindowText(HWND hWnd)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(hWnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &length))
        return "<no answer>";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(hWnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
        kAnswerMs, &copied);
    text.resize(copied);
    return text;
}

namespace {
struct WindowQuery {
    DWORD processId;
    const char* className;
    const std::string& captionStart;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hWnd, &owner);
    char cls[64] = "";
    GetClassNameA(hWnd, cls, sizeof cls);
    if (owner != query.processId || lstrcmpA(cls, query.className) != 0
        || AskWindowText(hWnd).compare(0, query.captionStart.size(), query.captionStart) != 0)
        return TRUE;
    query.found = hWnd;
    return FALSE;
}
} // namespace

HWND FindProcessWindow(DWORD processId, const char* className, const std::string& captionStart)
{
    WindowQuery query = {processId, className, captionStart, NULL};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

ChildProgram::ChildProgram(const std::string& exePath, const char* className, const std::string& captionStart,
    DWORD timeoutMs)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string commandLine = "\"" + exePath + "\"";
    if (!CreateProcessA(exePath.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_process))
        return;
    WaitFor([&] {
        m_hWnd = FindProcessWindow(m_process.dwProcessId, className, captionStart);
        return m_hWnd && IsWindowVisible(m_hWnd);
    }, timeoutMs);
}

ChildProgram::~ChildProgram()
{
    if (!m_process.hProcess)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
}

bool ChildProgram::Exited(DWORD timeoutMs) const
{
    return m_process.hProcess && WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool ChildProgram::Running() const
{
    return m_process.hProcess && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT && IsWindow(m_hWnd);
}

long EndWineSession(DWORD timeoutMs)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    char commandLine[] = "wineboot.exe --end-session";
    const DWORD start = GetTickCount();
    if (!CreateProcessA(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -1;
    const bool ended = WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
    const long elapsed = static_cast<long>(GetTickCount() - start);
    if (!ended)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return ended ? elapsed : -1;
}
