#include "BrowserLog.h"

#include <windows.h>

#include <sstream>

#include "TestPaths.h"

BrowserLog::BrowserLog(const std::string& path)
    : m_path(path)
{
    DeleteFileA(path.c_str());
    // Read by scripts/wine-prefix.sh's recording browser, a Unix program: the
    // scratch path is a Unix path already.
    SetEnvironmentVariableA("KELVANE_BROWSER_LOG", path.c_str());
}

std::vector<std::string> BrowserLog::WaitFor(size_t n, int timeoutMs) const
{
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<std::string> lines;
        std::istringstream in(ReadFile(m_path));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        if (lines.size() >= n || GetTickCount() - start > static_cast<DWORD>(timeoutMs))
            return lines;
        Sleep(50);
    }
}
