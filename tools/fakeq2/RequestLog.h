// One line per received datagram, flushed at once so that tests can read it while we run.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

struct sockaddr_in;

class RequestLog {
public:
    // An empty path records nothing; throws std::runtime_error when a file cannot be made.
    explicit RequestLog(const std::string& path, const std::string& replyPath = "");
    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    // "<ms since start> <server port> <sender ip:port> <C-escaped bytes>"
    void Record(uint16_t serverPort, const sockaddr_in& sender, const char* bytes, size_t length);
    // The reply log: "<server port> <client ip:port> <microseconds from the request's
    // receipt to the reply's send>", the delay a client really met on our side.
    void RecordReply(uint16_t serverPort, const sockaddr_in& to, long long appliedUs);

private:
    std::FILE* m_file = nullptr;
    std::FILE* m_replyFile = nullptr;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
