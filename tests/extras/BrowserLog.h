// The addresses that the test prefix's recording browser was asked to open.
#pragma once

#include <string>
#include <vector>

class BrowserLog {
public:
    // Empties the log: KELVANE_BROWSER_LOG, or browser.log in the Wine prefix, the
    // Unix paths that the recording browser writes to (it runs with the Unix
    // environment that Wine was started with, not this process's).
    BrowserLog();
    // The addresses logged so far, waiting up to timeoutMs for at least n.
    std::vector<std::string> WaitFor(size_t n, int timeoutMs = 10000) const;

private:
    std::string m_path;
};
