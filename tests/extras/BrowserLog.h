// The addresses that the test prefix's recording browser was asked to open.
#pragma once

#include <string>
#include <vector>

class BrowserLog {
public:
    // Sends this process's browser starts to a fresh log file at path.
    explicit BrowserLog(const std::string& path);
    // The addresses logged so far, waiting up to timeoutMs for at least n.
    std::vector<std::string> WaitFor(size_t n, int timeoutMs = 10000) const;

private:
    std::string m_path;
};
