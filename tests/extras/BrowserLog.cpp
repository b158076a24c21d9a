#include "BrowserLog.h"

#include <windows.h>

#include <cstdlib>
#include <sstream>

#include "TestPaths.h"

BrowserLog::BrowserLog()
{
    const char* log = std::getenv("KELVANE_BROWSER_LOG");
    const char* prefix = std::getenv("WINEPREFIX");
    m_path = log && *log ? log : std::string(prefix ? prefix : ".") + "/browser.log";
    WriteFile(m_path, "");
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
