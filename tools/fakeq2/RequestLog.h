// One line per received datagram, flushed at once so that tests can read it while we run.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

struct sockaddr_in;

class RequestLog {
public:
    // An empty path records nothing; throws std::runtime_error when the file cannot be made.
    explicit RequestLog(const std::string& path);
    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    // "<ms since start> <server port> <sender ip:port> <C-escaped bytes>"
    void Record(uint16_t serverPort, const sockaddr_in& sender, const char* bytes, size_t length);

private:
    std::FILE* m_file = nullptr;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
