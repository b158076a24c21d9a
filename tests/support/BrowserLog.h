// The test prefix's recording browser: every address that the shell opens is
// written to its log, one argument a line, and no real browser starts.
#pragma once

#include <string>
#include <vector>

class BrowserLog {
public:
    // Empties the log (KELVANE_BROWSER_LOG, a Unix path: the browser runs with
    // Wine's Unix environment; else browser.log in the prefix).
    BrowserLog();
    // The arguments opened so far, waiting up to timeoutMs for at least n.
    std::vector<std::string> WaitFor(size_t n, int timeoutMs = 10000) const;

private:
    std::string m_path;
};
