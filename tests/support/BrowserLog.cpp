#include "BrowserLog.h"

#include "TestPaths.h"

BrowserLog::BrowserLog() : m_path(Env("KELVANE_BROWSER_LOG", (Env("WINEPREFIX", ".") + "/browser.log").c_str()))
{
    WriteFile(m_path, "");
}

std::vector<std::string> BrowserLog::WaitFor(size_t n, int timeoutMs) const
{
    return WaitForFields(m_path, n, timeoutMs);
}
